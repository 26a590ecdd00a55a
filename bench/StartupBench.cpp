#include "bench/Bench.h"
#include "bench/TimeToShown.h"

#include <algorithm>
#include <cstdio>

#ifdef DUROVID_HAVE_GUI
namespace {

int RunStartup(const QStringList& args) {
    const int runs = args.isEmpty() ? 7 : std::max(1, args[0].toInt());
    ShownTimes t;
    if (!MedianTimesToShown(runs, t)) return 1;
    std::printf(
        "startup: plain Qt window %.1f ms, durovid main window %.1f ms (medians of %d runs), ratio %.2f\n",
        t.plain, t.program, runs, t.program / t.plain);
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("startup"), RunStartup});

} // namespace
#endif
