#pragma once

#include <QString>

// Why the system refused a file operation, in words the user reads in Russian: a full disk, a
// missing permission, a read-only file system. Rare causes keep the system's own text.
QString SystemErrorText(int errorNumber, const QString& systemText = QString());
