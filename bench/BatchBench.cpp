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
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Returns = 2000;

struct Timing {
    double wallMs = 1e300;
    double cpuMs = 1e300; // of the console program, user and system
};

double ChildrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The best of three runs of one command over the folder with the given threads; false when the
// command did not run to its end.
bool Measure(const QString& cli, const QStringList& command, const QString& out, int jobs, Timing& best) {
    for (int run = 0; run < 3; ++run) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        const double cpu = ChildrenCpuMs();
        QElapsedTimer timer;
        timer.start();
        p.start(cli, command + QStringList{QStringLiteral("--jobs"), QString::number(jobs)});
        // Exit code 1 is expected: the sample's taxpayer leaves faults to report.
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() == 2)
            return false;
        best.wallMs = std::min(best.wallMs, timer.nsecsElapsed() / 1e6);
        best.cpuMs = std::min(best.cpuMs, ChildrenCpuMs() - cpu);
    }
    return true;
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
    const QList<QStringList> commands{{QStringLiteral("check"), folder},
                                      {QStringLiteral("export"), folder, QStringLiteral("--out"), out},
                                      {QStringLiteral("summary"), folder, QStringLiteral("--csv"),
                                       QDir(out).filePath(QStringLiteral("s.csv"))}};
    std::printf("%d returns of 3 sources and 2 deductions, %d cores\n", Returns, QThread::idealThreadCount());
    std::printf("%-8s %14s %14s %12s %9s\n", "command", "1 thread ms", "2 threads ms", "cpu ms/return",
                "speed-up");
    Timing total[2];
    total[0].wallMs = total[1].wallMs = total[0].cpuMs = 0;
    for (const QStringList& command : commands) {
        Timing one, two;
        if (!Measure(cli, command, out, 1, one) || !Measure(cli, command, out, 2, two)) {
            std::fprintf(stderr, "%s %s failed\n", qPrintable(cli), qPrintable(command[0]));
            return 2;
        }
        std::printf("%-8s %14.1f %14.1f %12.4f %9.2f\n", qPrintable(command[0]), one.wallMs, two.wallMs,
                    one.cpuMs / Returns, one.wallMs / two.wallMs);
        total[0].wallMs += one.wallMs;
        total[0].cpuMs += one.cpuMs;
        total[1].wallMs += two.wallMs;
    }
    std::printf("%-8s %14.1f %14.1f %12.4f %9.2f (at least 1.7 on two free cores)\n", "all", total[0].wallMs,
                total[1].wallMs, total[0].cpuMs / Returns, total[0].wallMs / total[1].wallMs);
    std::printf("wall ms per return on one thread: %.4f\n", total[0].wallMs / Returns);
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("batch"), RunBatch});

} // namespace
