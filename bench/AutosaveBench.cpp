// The recovery copy is written on the window's own thread, so the time one write takes is the longest
// the typing can be held up by it.
#include "bench/Bench.h"
#include "records/RecoveryCopy.h"
#include "tests/support/Samples.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr double LimitMs = 50;

int RunAutosave(const QStringList&) {
    QTemporaryDir dir;
    std::printf("%8s %12s %10s %10s\n", "sources", "copy bytes", "best ms", "worst ms");
    bool within = true;
    for (int sources : {100, 999}) {
        mTDeclaration d;
        Samples::FillWithSources(d, sources);
        RecoveryCopy copy(dir.filePath(QStringLiteral("recovery")));
        const int runs = 20;
        double worst = 0;
        const double best = BestMs(runs, [&] {
            QElapsedTimer timer;
            timer.start();
            if (!copy.Write(d, QStringLiteral("declaration.kv0")))
                std::fprintf(stderr, "%s\n", qPrintable(copy.ErrorString()));
            worst = std::max(worst, timer.nsecsElapsed() / 1e6);
        });
        std::printf("%8d %12lld %10.3f %10.3f\n", sources,
                    static_cast<long long>(QFileInfo(copy.DeclarationPath()).size()), best, worst);
        if (sources == 999) within = worst < LimitMs;
        copy.Remove();
    }
    std::printf("999 sources: every write under %.0f ms: %s\n", LimitMs, within ? "yes" : "NO");
    return within ? 0 : 1;
}

const BenchmarkRegistrar registrar({QStringLiteral("autosave"), RunAutosave});

} // namespace
