#pragma once

// Runs durovid-cli as a user does, for the console program's tests.

#include <QProcess>
#include <QStringList>

struct CliRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

inline CliRun RunCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(DUROVID_CLI), args);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}
