#pragma once

// Files the tests write and read.

#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace TestFiles {

// Writes bytes as name in the folder and returns the file's path; a file that cannot be written stops
// the test program.
inline QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return f.fileName();
}

// The whole file, empty when it cannot be read.
inline QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace TestFiles
