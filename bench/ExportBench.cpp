// Load, compute and export of declarations of growing size: the export must grow linearly and, with
// the computation, cost no more than three times the load.
#include "bench/Bench.h"
#include "computation/SvodSum.h"
#include "export/XmlExport.h"
#include "tests/support/Samples.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

struct Timing {
    int sources;
    double text; // compute and build, no file
};

int RunExport(const QStringList&) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kv0"));
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    std::printf("%8s %10s %11s %16s %15s %11s %8s\n", "sources", "load ms", "compute ms", "export file ms",
                "export text ms", "file bytes", "ratio");
    std::vector<Timing> timings;
    double ratioAt999 = 0;
    for (int sources : {10, 100, 999}) {
        {
            mTDeclaration d;
            Samples::FillWithSources(d, sources);
            d.SaveToFile(path);
        }
        const int runs = sources < 500 ? 20 : 5;
        const double load = BestMs(runs, [&] {
            mTDeclaration loaded;
            loaded.LoadFromFile(path);
        });
        mTDeclaration d;
        d.LoadFromFile(path);
        const double compute = BestMs(runs, [&] {
            kTSvodSum sum;
            sum.Compute(d);
        });
        // Both export timings include the computation, which the export runs itself.
        XmlExport exporter;
        QString name;
        const double toFile = BestMs(runs, [&] {
            exporter.Export(out, d, ExportToFile);
            name = exporter.Result();
        });
        const qint64 bytes = QFileInfo(QDir(out).filePath(name)).size();
        const double toText = BestMs(runs, [&] { exporter.Export(out, d, ExportToText); });
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const double ratio = toFile / load;
        if (sources == 999) ratioAt999 = ratio;
        timings.push_back({sources, toText});
        std::printf("%8d %10.3f %11.3f %16.3f %15.3f %11lld %8.2f\n", sources, load, compute, toFile, toText,
                    static_cast<long long>(bytes), ratio);
    }
    std::printf("compute + export (file) / load at 999 sources: %.2f (at most 3)\n", ratioAt999);
    // Linear growth: each further source costs the same, whatever the size already reached.
    for (size_t i = 1; i < timings.size(); ++i)
        std::printf("export text, cost of one more source from %d to %d: %.2f us\n", timings[i - 1].sources,
                    timings[i].sources,
                    (timings[i].text - timings[i - 1].text) * 1000.0 /
                        (timings[i].sources - timings[i - 1].sources));
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("export"), RunExport});

} // namespace
