#include "bench/Bench.h"
#include "bench/BenchDeclaration.h"

#include "computation/SvodSum.h"

#include <cstdio>

namespace {

using BenchDeclaration::MakeDeclaration;

int Run(const QStringList&) {
    std::printf("%8s %12s %14s\n", "sources", "ms/compute", "us/source");
    double perSource100 = 0;
    double perSource999 = 0;
    for (int sources : {10, 100, 999}) {
        auto declaration = MakeDeclaration(sources);
        const int repeats = std::max(1, 20000 / sources);
        kTSvodSum sum;
        const double ms = BestMs(5,
                                 [&] {
                                     for (int r = 0; r < repeats; ++r)
                                         sum.Compute(*declaration);
                                 }) /
                          repeats;
        const double usPerSource = ms * 1000.0 / sources;
        if (sources == 100) perSource100 = usPerSource;
        if (sources == 999) perSource999 = usPerSource;
        std::printf("%8d %12.4f %14.3f\n", sources, ms, usPerSource);
    }
    const double ratio = perSource999 / perSource100;
    std::printf("time per source at 999 / at 100: %.2f (%s)\n", ratio,
                ratio <= 3.0 ? "linear" : "NOT linear");
    return ratio <= 3.0 ? 0 : 1;
}

const BenchmarkRegistrar registrar({QStringLiteral("compute"), Run});

} // namespace
