#include "storage/SaveFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <utility>

SaveFile::SaveFile(QString fileName) : fileName_(std::move(fileName)) {}

bool SaveFile::Fail(const QString& reason) {
    errorString_ = reason.isEmpty() ? QStringLiteral("неизвестная ошибка") : reason;
    return false;
}

bool SaveFile::Save(const QByteArray& contents) {
    errorString_.clear();
    const QFileInfo target(fileName_);
    if (refuseSymbolicLink_ && target.isSymLink())
        return Fail(QStringLiteral("на месте файла находится символическая ссылка"));
    if (target.exists() && !target.isFile()) return Fail(QStringLiteral("это не обычный файл"));

    QSaveFile file(fileName_);
    if (!file.open(QIODevice::WriteOnly)) return Fail(file.errorString());
    qint64 written = 0;
    while (written < contents.size()) {
        const qint64 n = file.write(contents.constData() + written, contents.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return Fail(reason);
        }
        written += n;
    }
    // QSaveFile::commit() of Qt 6.4 does not report a failed final flush of its buffer, so a short
    // file on a full disk would pass for success; flushing first makes that failure visible.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Fail(reason);
    }
    if (!file.commit()) return Fail(file.errorString());
    return true;
}
