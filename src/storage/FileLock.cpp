#include "storage/FileLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
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
    return Attempt(fileName, create) == Outcome::Taken;
}

FileLock::Outcome FileLock::Attempt(const QString& fileName, bool create) {
#if defined(Q_OS_WIN)
    const int flags = (create ? _O_RDWR | _O_CREAT : _O_RDONLY) | _O_BINARY | _O_NOINHERIT;
    const int handle =
        ::_wopen(reinterpret_cast<const wchar_t*>(fileName.utf16()), flags, _S_IREAD | _S_IWRITE);
    if (handle < 0) return Outcome::Failed;
    if (!TryLock(handle)) {
        ::_close(handle);
        return Outcome::Busy;
    }
#else
    const QByteArray path = QFile::encodeName(fileName);
    const int handle = ::open(
        path.constData(), (create ? O_RDWR | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    if (handle < 0) return Outcome::Failed;
    struct stat opened {
    }, named{};
    Outcome outcome = Outcome::Taken;
    // A holder that removes its file lets the lock go afterwards; whoever opened the file just before
    // would then lock a file that is no longer there, so the name must still lead to the locked file.
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode))
        outcome = Outcome::Failed;
    else if (!TryLock(handle))
        outcome = Outcome::Busy;
    else if (::stat(path.constData(), &named) != 0 || named.st_dev != opened.st_dev ||
             named.st_ino != opened.st_ino)
        outcome = Outcome::Moved;
    if (outcome != Outcome::Taken) {
        ::close(handle);
        return outcome;
    }
#endif
    Release();
    handle_ = handle;
    fileName_ = fileName;
    return Outcome::Taken;
}

bool FileLock::Wait(const QString& fileName, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    int pause = 5;
    for (Outcome outcome; (outcome = Attempt(fileName, true)) != Outcome::Taken;) {
        // Only a held or replaced file is worth the wait; one that cannot be opened will not change.
        if (outcome == Outcome::Failed || deadline.hasExpired()) return false;
        QThread::msleep(ulong(std::min<qint64>(pause, deadline.remainingTime())));
        pause = std::min(pause * 2, 100);
    }
    return true;
}
