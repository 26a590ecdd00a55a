#pragma once

// Files the tests write and read, and the console program run as a user runs it.

#include <QFile>
#include <QProcess>
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

#ifdef DUROVID_CLI
// Runs durovid-cli and returns its exit code, with what it wrote when asked for.
inline int RunCli(const QStringList& args, QString* out = nullptr, QString* err = nullptr) {
    QProcess p;
    p.start(QStringLiteral(DUROVID_CLI), args);
    p.waitForFinished(60000);
    if (out) *out = QString::fromUtf8(p.readAllStandardOutput());
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}
#endif

} // namespace TestFiles
