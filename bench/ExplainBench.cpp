#include "bench/Bench.h"
#include "bench/BenchDeclaration.h"

#include "computation/SvodSum.h"
#include "explain/TaxExplanation.h"

#include <cstdio>

namespace {

using BenchDeclaration::MakeDeclaration;

// The explanation of a declaration against its computation: building the explanation from computed
// results, and the whole of it (computing included), each set against one computation. Processor
// time of this thread, best of fifteen.
int Run(const QStringList& args) {
    std::printf("%8s %12s %12s %12s %8s %8s %8s\n", "sources", "ms/compute", "ms/build", "ms/explain",
                "steps", "build/c", "all/c");
    double buildRatio = 0;
    double wholeRatio = 0;
    QList<int> sizes = {10, 100, 999};
    if (!args.isEmpty()) sizes = {args[0].toInt()};
    for (int sources : sizes) {
        auto declaration = MakeDeclaration(sources);
        const int repeats = std::max(1, 5000 / sources);
        kTSvodSum sum;
        const double compute = BestCpuMs(15,
                                         [&] {
                                             for (int r = 0; r < repeats; ++r)
                                                 sum.Compute(*declaration);
                                         }) /
                               repeats;
        sum.Compute(*declaration);
        // The first explanations grow the heap; a program explaining a return has done that before.
        for (int r = 0; r < 3; ++r)
            ExplainDeclaration(*declaration);
        qint32 steps = 0;
        const double build = BestCpuMs(15,
                                       [&] {
                                           for (int r = 0; r < repeats; ++r)
                                               steps = ExplainResults(*declaration, sum).StepCount();
                                       }) /
                             repeats;
        const double whole = BestCpuMs(15,
                                       [&] {
                                           for (int r = 0; r < repeats; ++r)
                                               ExplainDeclaration(*declaration);
                                       }) /
                             repeats;
        buildRatio = build / compute;
        wholeRatio = whole / compute;
        std::printf("%8d %12.4f %12.4f %12.4f %8d %8.2f %8.2f\n", sources, compute, build, whole, steps,
                    buildRatio, wholeRatio);
    }
    // At 999 sources building the explanation may cost no more than computing the return twice.
    const bool ok = buildRatio <= 2.0;
    std::printf(
        "building the explanation of %d sources: %.2f computations (%s); with its computation: %.2f\n",
        sizes.last(), buildRatio, ok ? "within 2" : "MORE THAN 2", wholeRatio);
    return ok ? 0 : 1;
}

const BenchmarkRegistrar registrar({QStringLiteral("explain"), Run});

} // namespace
