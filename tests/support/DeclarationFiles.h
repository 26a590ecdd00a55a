#pragma once

// Declaration files on disk for the tests of the document commands.

#include "records/NewDeclaration.h"

#include <QFile>

// A new declaration for tax office 7701 saved as path.
inline QString SaveNewDeclaration(const QString& path) {
    auto d = CreateNewDeclaration();
    d->InspectionCode = QStringLiteral("7701");
    d->SaveToFile(path);
    return path;
}

// The bytes of a file, read without a lock (a window may hold the file).
inline QByteArray FileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
