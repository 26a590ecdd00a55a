#include "bench/Bench.h"

#include <QCoreApplication>
#include <cstdio>

#ifdef DUROVID_HAVE_GUI
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef DUROVID_HAVE_GUI
    // Some benchmarks compare against drawing a window; without a display they draw offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::printf("Usage: durovid-bench BENCHMARK\nBenchmarks:\n");
        for (const auto& b : Benchmarks())
            std::printf("  %s\n", qPrintable(b.name));
        return 2;
    }
    for (const auto& b : Benchmarks())
        if (b.name == args[0]) return b.run(args.mid(1));
    std::fprintf(stderr, "Unknown benchmark: %s\n", qPrintable(args[0]));
    return 2;
}
