#include "storage/FileLock.h"

#include <QFile>
#include <utility>

#if defined(Q_OS_WIN)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

FileLock::~FileLock() {
    Release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), fileName_(std::move(other.fileName_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, -1);
        fileName_ = std::move(other.fileName_);
    }
    return *this;
}

void FileLock::Release() {
    if (handle_ >= 0) {
#if defined(Q_OS_WIN)
        ::_close(handle_);
#else
        ::close(handle_); // the last handle of the open file: the lock goes with it
#endif
    }
    handle_ = -1;
    fileName_.clear();
}

bool FileLock::TryLock(int handle) {
#if defined(Q_OS_WIN)
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    OVERLAPPED overlapped{};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                      &overlapped) != 0;
#else
    // flock locks belong to the open file, not to the process: a second open of the same file in
    // this program is refused like another program would be.
    return ::flock(handle, LOCK_EX | LOCK_NB) == 0;
#endif
}

bool FileLock::Adopt(int handle, const QString& fileName) {
#if defined(Q_OS_WIN)
    const int copy = ::_dup(handle);
#else
    const int copy = ::fcntl(handle, F_DUPFD_CLOEXEC, 0);
#endif
    if (copy < 0) return false;
    Release();
    handle_ = copy;
    fileName_ = fileName;
    return true;
}

bool FileLock::Take(const QString& fileName, bool create) {
#if defined(Q_OS_WIN)
    const int flags = (create ? _O_RDWR | _O_CREAT : _O_RDONLY) | _O_BINARY | _O_NOINHERIT;
    const int handle =
        ::_wopen(reinterpret_cast<const wchar_t*>(fileName.utf16()), flags, _S_IREAD | _S_IWRITE);
    if (handle < 0) return false;
    if (!TryLock(handle)) {
        ::_close(handle);
        return false;
    }
#else
    const QByteArray path = QFile::encodeName(fileName);
    const int handle = ::open(
        path.constData(), (create ? O_RDWR | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    if (handle < 0) return false;
    struct stat opened {
    }, named{};
    // A holder that removes its file lets the lock go afterwards; whoever opened the file just before
    // would then lock a file that is no longer there, so the name must still lead to the locked file.
    const bool taken = ::fstat(handle, &opened) == 0 && S_ISREG(opened.st_mode) && TryLock(handle) &&
                       ::stat(path.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
                       named.st_ino == opened.st_ino;
    if (!taken) {
        ::close(handle);
        return false;
    }
#endif
    Release();
    handle_ = handle;
    fileName_ = fileName;
    return true;
}
