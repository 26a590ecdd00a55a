#include "storage/FileLoader.h"

#include "storage/FileLock.h"
#include "storage/RegularFile.h"
#include "storage/SaveFile.h"
#include "storage/StorageErrors.h"

#include <QFileInfo>
#include <algorithm>
#include <new>
#include <utility>

namespace {

QString BusyMessage(const QString& fileName) {
    return StorageText::ReadError + fileName + QLatin1Char('\r') + StorageText::MaybeBusy;
}

QString WriteMessage(const QString& fileName, const QString& reason) {
    return StorageText::WriteError + fileName + QLatin1Char('\r') + reason;
}

} // namespace

mTFileLoader::mTFileLoader(const QString& fileName, quint32 size, bool readOnly, const FileLock* held)
    : FileName(fileName), ReadOnly(readOnly), Size(size) {
    underHeldLock_ = held && held->IsHeld() && held->FileName() == fileName;
    const QFileInfo info(fileName);
    const bool exists = info.exists() || info.isSymLink();
    if (readOnly && !exists) throw mEBadStorage(StorageText::ReadError + fileName, 20);

    if (exists) {
        // Saving opens the old file too: to hold it while the new one is written, and because a file
        // marked read-only must not be replaced.
        QString reason;
        if (!RegularFile::Open(file_, fileName, readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite,
                               reason)) {
            if (reason == RegularFile::NotRegularReason())
                throw mEBadStorage(readOnly ? StorageText::ReadError + fileName + QLatin1Char('\r') + reason
                                            : WriteMessage(fileName, reason),
                                   23);
            if (readOnly) throw mEBadStorage(BusyMessage(fileName), 21);
            throw mEBadStorage(WriteMessage(fileName, reason), 22);
        }
        if (!underHeldLock_ && !FileLock::TryLock(file_.handle())) {
            file_.close();
            throw mEBadStorage(StorageText::HeldElsewhere(fileName), 21);
        }
    }

    if (readOnly && Size == 0) {
        const qint64 fileSize = file_.size();
        if (fileSize > MaxFileSize) {
            Close();
            throw mEBadStorage(StorageText::ReadError + fileName + QLatin1Char('\r') +
                                   StorageText::TooLarge.arg(MaxFileSize >> 20),
                               24);
        }
        Size = static_cast<quint32>(fileSize);
    }
    if (Size == 0) {
        Close();
        throw mEMemoryAllocate(StorageText::ZeroLength, 25);
    }

    try {
        if (readOnly) {
            buffer_ = file_.read(Size);
            if (buffer_.size() != qsizetype(Size)) {
                Close();
                throw mEMemoryAllocate(StorageText::NoMapping, 27);
            }
        } else {
            buffer_ = QByteArray(qsizetype(Size), '\0');
        }
    } catch (const std::bad_alloc&) {
        Close();
        throw mEMemoryAllocate(StorageText::NoMapping, 26);
    }
    open_ = true;
}

mTFileLoader::mTFileLoader(quint32 size) : ReadOnly(false), Size(size) {
    if (Size == 0) throw mEMemoryAllocate(StorageText::ZeroLength, 25);
    try {
        buffer_ = QByteArray(qsizetype(Size), '\0');
    } catch (const std::bad_alloc&) {
        throw mEMemoryAllocate(StorageText::NoMapping, 26);
    }
    open_ = true;
}

mTFileLoader::mTFileLoader(const QByteArray& bytes)
    : ReadOnly(true), Size(quint32(std::min<qsizetype>(bytes.size(), MaxFileSize))) {
    if (bytes.size() > MaxFileSize) throw mEBadStorage(StorageText::TooLarge.arg(MaxFileSize >> 20), 24);
    if (Size == 0) throw mEMemoryAllocate(StorageText::ZeroLength, 25);
    buffer_ = bytes;
    open_ = true;
}

QByteArray mTFileLoader::TakeBuffer() {
    open_ = false;
    return std::exchange(buffer_, QByteArray());
}

mTFileLoader::~mTFileLoader() {
    Close();
}

void mTFileLoader::Close() {
    if (file_.isOpen()) file_.close(); // closing releases the loader's own lock
    buffer_.clear();
    open_ = false;
}

void mTFileLoader::KeepLock(FileLock& keep) {
    if (underHeldLock_ || !file_.isOpen()) return;
    if (!keep.Adopt(file_.handle(), FileName)) throw mEBadStorage(StorageText::HeldElsewhere(FileName), 21);
}

void mTFileLoader::Commit(FileLock* keep) {
    if (ReadOnly || !open_) return;
#if defined(Q_OS_WIN)
    file_.close(); // Windows cannot replace a file that is still open
#endif
    SaveFile out(FileName);
    if (!out.Save(buffer_, keep)) throw mEBadStorage(WriteMessage(FileName, out.ErrorString()), 22);
}
