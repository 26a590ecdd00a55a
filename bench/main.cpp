#include "bench/Bench.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
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
