#include "storage/FileLoader.h"

#include "storage/SaveFile.h"
#include "storage/StorageErrors.h"

#include <QFileInfo>
#include <limits>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#endif

namespace {

// Exclusive advisory lock: a second holder of the same file (another copy of the program)
// is refused, like an exclusive share mode.
bool LockExclusive(QFile& file) {
#if defined(Q_OS_WIN)
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    OVERLAPPED overlapped{};
    return LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                      &overlapped) != 0;
#else
    return ::flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
#endif
}

QString BusyMessage(const QString& fileName) {
    return StorageText::ReadError + fileName + QLatin1Char('\r') + StorageText::MaybeBusy;
}

} // namespace

mTFileLoader::mTFileLoader(const QString& fileName, quint32 size, bool readOnly)
    : FileName(fileName), ReadOnly(readOnly), Size(size) {
    file_.setFileName(fileName);
    const bool exists = QFileInfo::exists(fileName);
    if (readOnly && !exists) throw mEBadStorage(StorageText::ReadError + fileName, 20);

    if (exists) {
        const QIODevice::OpenMode mode = readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite;
        if (!file_.open(mode) || !LockExclusive(file_)) {
            file_.close();
            throw mEBadStorage(BusyMessage(fileName), 21);
        }
    }

    if (readOnly && Size == 0) {
        const qint64 fileSize = file_.size();
        if (fileSize > qint64(std::numeric_limits<quint32>::max()) - 1) {
            Close();
            throw mEMemoryAllocate(StorageText::NoMapping, 26);
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

mTFileLoader::~mTFileLoader() {
    Close();
}

void mTFileLoader::Close() {
    if (file_.isOpen()) file_.close(); // closing releases the lock
    buffer_.clear();
    open_ = false;
}

void mTFileLoader::Commit() {
    if (ReadOnly || !open_) return;
#if defined(Q_OS_WIN)
    file_.close(); // Windows cannot replace a file that is still open
#endif
    SaveFile out(FileName);
    if (!out.Save(buffer_)) throw mEBadStorage(QStringLiteral("Ошибка записи файла: ") + FileName, 22);
}
