#include "storage/SaveFile.h"

#include "storage/FileLock.h"
#include "storage/RegularFile.h"
#include "storage/SystemError.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

SaveFile::SaveFile(QString fileName) : fileName_(std::move(fileName)) {}

void SaveFile::SetOutputOf(QStringList inputs) {
    output_ = true;
    inputs_ = std::move(inputs);
}

bool SaveFile::Fail(const QString& reason) {
    errorString_ = reason.isEmpty() ? QStringLiteral("неизвестная ошибка") : reason;
    return false;
}

namespace {

// The reason of a failed step: errno, cleared before the step, tells it right after the failing call.
QString WriteFailure(const QSaveFile& file, int errorNumber) {
    return errorNumber ? SystemErrorText(errorNumber, file.errorString()) : file.errorString();
}

// The same file under two names (a link, "./", another path through the folders).
bool SameFile(const QString& a, const QString& b) {
#if defined(Q_OS_UNIX)
    struct stat sa {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
#else
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca.compare(QFileInfo(b).canonicalFilePath(), Qt::CaseInsensitive) == 0;
#endif
}

} // namespace

QString SaveFile::SymbolicLinkReason() {
    return QStringLiteral("на месте файла находится символическая ссылка");
}

QString SaveFile::InputReason() {
    return QStringLiteral("это исходный файл, результат не может быть записан на его место");
}

QString SaveFile::HeldReason() {
    return QStringLiteral("файл занят: его держит открытым другая программа");
}

bool SaveFile::MayReplace(const FileLock* keep, FileLock& old) {
    const QFileInfo target(fileName_);
    if (output_ && target.isSymLink()) return Fail(SymbolicLinkReason());
    if (target.exists() && !target.isFile()) return Fail(RegularFile::NotRegularReason());
    if (!output_ || !target.exists()) return true;
    for (const QString& input : inputs_)
        if (SameFile(input, fileName_)) return Fail(InputReason());
    // Locked while the new file is written, so that no program opens the old one in between.
    const bool ours = keep && keep->IsHeld() && keep->FileName() == fileName_;
    if (!ours && !old.Take(fileName_)) return Fail(HeldReason());
    return true;
}

bool SaveFile::Save(const QByteArray& contents, FileLock* keep) {
    errorString_.clear();
    FileLock old;
    if (!MayReplace(keep, old)) return false;

    QSaveFile file(fileName_);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return Fail(WriteFailure(file, errno));
#if defined(Q_OS_UNIX)
    if (ownerOnly_ && ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        const int errorNumber = errno;
        file.cancelWriting();
        return Fail(SystemErrorText(errorNumber));
    }
#endif
    qint64 written = 0;
    while (written < contents.size()) {
        errno = 0;
        const qint64 n = file.write(contents.constData() + written, contents.size() - written);
        if (n <= 0) {
            const QString reason = WriteFailure(file, errno);
            file.cancelWriting();
            return Fail(reason);
        }
        written += n;
    }
    // QSaveFile::commit() of Qt 6.4 does not report a failed final flush of its buffer, so a short
    // file on a full disk would pass for success; flushing first makes that failure visible.
    errno = 0;
    if (!file.flush()) {
        const QString reason = WriteFailure(file, errno);
        file.cancelWriting();
        return Fail(reason);
    }
    // The new file is locked while it still has its temporary name; the lock stays with it when
    // it takes the target's name, so no other program can take it in between.
    FileLock newLock;
    if (keep && !(FileLock::TryLock(file.handle()) && newLock.Adopt(file.handle(), fileName_))) {
        file.cancelWriting();
        return Fail(QStringLiteral("не удалось заблокировать новый файл"));
    }
    errno = 0;
    if (!file.commit()) return Fail(WriteFailure(file, errno));
    if (keep) *keep = std::move(newLock);
    return true;
}
