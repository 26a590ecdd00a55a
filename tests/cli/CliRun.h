#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// durovid-cli run as a user runs it, with its output as text.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

inline CliRun RunCli(const QStringList& args,
                     const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(DUROVID_CLI), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
