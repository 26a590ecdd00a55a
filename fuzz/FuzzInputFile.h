#pragma once

// The input written to a file of its own, so that a target reads it the way the program does: through
// the file's opening and reading, not only the parsing of bytes already in memory.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

inline QString FuzzInputFile(const uint8_t* data, size_t size, const QString& name) {
    static QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}
