#pragma once

#include <QFile>
#include <QString>

// Files that come from outside (a declaration, a reference file, the tax-office table) are opened only
// when they are regular files. Opening a FIFO would wait forever for a writer, and a device or a folder
// never ends or is not a file at all; each is refused at once with a reason the user can act on.
namespace RegularFile {

// The reason given for a path that names a folder, a FIFO, a device or a socket.
QString NotRegularReason();

// Opens fileName into file with mode (read-only or read-write). On failure file stays closed and
// reason says why, in Russian.
bool Open(QFile& file, const QString& fileName, QIODevice::OpenMode mode, QString& reason);

} // namespace RegularFile
