#include "storage/RegularFile.h"

#include "storage/SystemError.h"

#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

QString NotRegularReason() {
    return QStringLiteral("это не обычный файл (папка, канал или устройство)");
}

#if defined(Q_OS_UNIX)

bool Open(QFile& file, const QString& fileName, QIODevice::OpenMode mode, QString& reason) {
    const bool write = mode & QIODevice::WriteOnly;
    // Non-blocking, so that opening a FIFO returns at once; the type is then taken from the open file
    // itself, so that nothing can be swapped in between a check and the open.
    const int flags = (write ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    const int fd = ::open(QFile::encodeName(fileName).constData(), flags);
    if (fd < 0) {
        reason = errno == EISDIR ? NotRegularReason() : SystemErrorText(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        reason = NotRegularReason();
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}

#else

bool Open(QFile& file, const QString& fileName, QIODevice::OpenMode mode, QString& reason) {
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        reason = NotRegularReason();
        return false;
    }
    file.setFileName(fileName);
    if (!file.open(mode)) {
        reason = file.errorString();
        return false;
    }
    return true;
}

#endif

} // namespace RegularFile
