#include "bench/Bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef DUROVID_HAVE_GUI
namespace {

// Milliseconds from starting program until it reports its first shown window, or a negative value.
double TimeToShown(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DUROVID_NO_SPLASH"), QStringLiteral("1"));
    env.insert(QStringLiteral("DUROVID_REPORT_SHOWN"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("DISPLAY")) && !env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    double elapsed = -1;
    while (process.waitForReadyRead(20000)) {
        if (process.readAllStandardOutput().contains("shown")) {
            elapsed = timer.nsecsElapsed() / 1e6;
            break;
        }
    }
    process.kill();
    process.waitForFinished(5000);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int RunStartup(const QStringList& args) {
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString program = dir.filePath(QStringLiteral("durovid"));
    const QString floor = dir.filePath(QStringLiteral("durovid-bench-floor"));
    const int runs = args.isEmpty() ? 7 : std::max(1, args[0].toInt());
    std::vector<double> ours, plain;
    for (int i = 0; i < runs; ++i) {
        const double f = TimeToShown(floor, {});
        const double o = TimeToShown(program, {});
        if (f < 0 || o < 0) {
            std::fprintf(stderr, "The window was not shown (is %s built?)\n", qPrintable(program));
            return 1;
        }
        plain.push_back(f);
        ours.push_back(o);
    }
    const double p = Median(plain), o = Median(ours);
    std::printf(
        "startup: plain Qt window %.1f ms, durovid main window %.1f ms (medians of %d runs), ratio %.2f\n", p,
        o, runs, o / p);
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("startup"), RunStartup});

} // namespace
#endif
