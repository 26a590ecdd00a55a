#include "bench/TimeToShown.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <cstdio>

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

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

bool MedianTimesToShown(int runs, ShownTimes& out) {
    const QDir dir(QCoreApplication::applicationDirPath());
    const QString program = dir.filePath(QStringLiteral("durovid"));
    const QString floor = dir.filePath(QStringLiteral("durovid-bench-floor"));
    std::vector<double> ours, plain;
    for (int i = 0; i < runs; ++i) {
        const double f = TimeToShown(floor);
        const double o = TimeToShown(program);
        if (f < 0 || o < 0) {
            std::fprintf(stderr, "The window was not shown (is %s built?)\n", qPrintable(program));
            return false;
        }
        plain.push_back(f);
        ours.push_back(o);
    }
    out = {Median(ours), Median(plain)};
    return true;
}
