#include "storage/SaveFile.h"

#include "storage/FileLock.h"
#include "storage/RegularFile.h"
#include "storage/SystemError.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

SaveFile::SaveFile(QString fileName) : fileName_(std::move(fileName)) {}

bool SaveFile::Fail(const QString& reason) {
    errorString_ = reason.isEmpty() ? QStringLiteral("неизвестная ошибка") : reason;
    return false;
}

namespace {

// The reason of a failed step: errno, cleared before the step, tells it right after the failing call.
QString WriteFailure(const QSaveFile& file, int errorNumber) {
    return errorNumber ? SystemErrorText(errorNumber, file.errorString()) : file.errorString();
}

} // namespace

bool SaveFile::Save(const QByteArray& contents, FileLock* keep) {
    errorString_.clear();
    const QFileInfo target(fileName_);
    if (refuseSymbolicLink_ && target.isSymLink())
        return Fail(QStringLiteral("на месте файла находится символическая ссылка"));
    if (target.exists() && !target.isFile()) return Fail(RegularFile::NotRegularReason());

    QSaveFile file(fileName_);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return Fail(WriteFailure(file, errno));
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
