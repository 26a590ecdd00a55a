// 2 000 returns of everyday size (3 sources, 2 deductions) through the console's check, export and
// summary as an accountant runs them: the time per return on one thread, and what a second one gains.
#include "bench/Bench.h"
#include "tests/support/Samples.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr int Returns = 2000;

// Wall-clock milliseconds of the three commands over the folder with the given threads; negative when
// a command did not run to its end.
double RunCommands(const QString& cli, const QString& folder, const QString& out, int jobs) {
    const QString threads = QString::number(jobs);
    const QList<QStringList> commands{{QStringLiteral("check"), folder},
                                      {QStringLiteral("export"), folder, QStringLiteral("--out"), out},
                                      {QStringLiteral("summary"), folder, QStringLiteral("--csv"),
                                       QDir(out).filePath(QStringLiteral("s.csv"))}};
    QElapsedTimer timer;
    timer.start();
    for (const QStringList& command : commands) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(cli, command + QStringList{QStringLiteral("--jobs"), threads});
        // Exit code 1 is expected: the sample's taxpayer leaves faults to report.
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() == 2)
            return -1;
    }
    return timer.nsecsElapsed() / 1e6;
}

int RunBatch(const QStringList&) {
    const QString cli = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("durovid-cli"));
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("returns"));
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(folder);
    QDir().mkpath(out);
    QByteArray bytes;
    {
        mTDeclaration d;
        Samples::FillWithSources(d, 3);
        bytes = d.SaveToBytes();
    }
    for (int i = 0; i < Returns; ++i) {
        QFile f(QDir(folder).filePath(QStringLiteral("%1.kv0").arg(i, 4, 10, QLatin1Char('0'))));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
            return 2;
        }
    }
    double times[2] = {0, 0};
    bool failed = false;
    for (int jobs : {1, 2}) {
        times[jobs - 1] = BestMs(3, [&] {
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            failed |= RunCommands(cli, folder, out, jobs) < 0;
        });
    }
    if (failed) {
        std::fprintf(stderr, "a command of %s failed\n", qPrintable(cli));
        return 2;
    }
    std::printf("returns: %d, cores: %d\n", Returns, QThread::idealThreadCount());
    std::printf("check + export + summary, one thread:  %9.1f ms, %.3f ms per return\n", times[0],
                times[0] / Returns);
    std::printf(
        "check + export + summary, two threads: %9.1f ms, speed-up %.2f (at least 1.7 on two free cores)\n",
        times[1], times[0] / times[1]);
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("batch"), RunBatch});

} // namespace
