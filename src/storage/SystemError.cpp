#include "storage/SystemError.h"

#include <cerrno>
#include <cstring>

QString SystemErrorText(int errorNumber, const QString& systemText) {
    switch (errorNumber) {
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
        return QStringLiteral("на диске нет места");
    case EACCES:
    case EPERM:
        return QStringLiteral("нет прав доступа");
    case EROFS:
        return QStringLiteral("диск доступен только для чтения");
    case ENOENT:
        return QStringLiteral("файл или папка не найдены");
    case EISDIR:
        return QStringLiteral("это папка");
    default:
        return systemText.isEmpty() ? QString::fromLocal8Bit(std::strerror(errorNumber)) : systemText;
    }
}
