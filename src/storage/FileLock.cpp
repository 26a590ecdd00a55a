#include "storage/FileLock.h"

#include <utility>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
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
