#pragma once

// A test program that also plays a second copy of the desktop program: run again with "--child ROLE
// ARGUMENTS…", it does what the role says instead of the tests (a program to kill hard, a second program
// beside the one under test). Roles print what the test waits for, one line each, on standard output.

#include "desktop/ProgramDir.h"
#include "screens/ProgramScreens.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/types.h>

class ChildProgram {
public:
    explicit ChildProgram(const QStringList& roleAndArguments) {
        process_.start(QCoreApplication::applicationFilePath(),
                       QStringList{QStringLiteral("--child")} + roleAndArguments);
    }
    ~ChildProgram() { KillHard(); }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // The rest of the first line that starts with prefix, or nothing when the child ends or the time is up.
    std::optional<QString> WaitForLine(const QString& prefix, int ms = 120000) {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
                lines_ << line;
            }
            if (timer.elapsed() > ms) return std::nullopt;
            if (!process_.waitForReadyRead(200) && process_.state() == QProcess::NotRunning &&
                !process_.canReadLine())
                return std::nullopt;
        }
    }
    // Every line the child printed until it ended.
    QStringList Finish(int ms = 120000) {
        process_.waitForFinished(ms);
        while (process_.canReadLine())
            lines_ << QString::fromUtf8(process_.readLine()).trimmed();
        return lines_;
    }
    // Ends the child as a crash or a power cut would: no clean-up of any kind runs.
    void KillHard() {
        if (process_.state() == QProcess::NotRunning) return;
        ::kill(pid_t(process_.processId()), SIGKILL);
        process_.waitForFinished(30000);
    }

private:
    QProcess process_;
    QStringList lines_;
};

// A desktop-program role started as "ROLE USERDIR PROGRAMDIR …": the test's per-user and program folders,
// the program's screens, and settings kept out of the user's.
inline void PrepareChild(const QStringList& args) {
    QStandardPaths::setTestModeEnabled(true);
    SetUserDataDir(args.value(1));
    SetProgramDir(args.value(2));
    RegisterProgramScreens();
}

// main() of a test program with child roles: runChild gets the role and its arguments.
#define DUROVID_TEST_MAIN_WITH_CHILDREN(TestObject, runChild)                                                \
    int main(int argc, char** argv) {                                                                        \
        QApplication app(argc, argv);                                                                        \
        if (argc > 1 && qstrcmp(argv[1], "--child") == 0) return runChild(app.arguments().mid(2));           \
        TestObject test;                                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
