// Save and load of declarations of growing size against a plain write and read of the same bytes.
#include "bench/Bench.h"
#include "tests/support/Samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

// The program's save ends with the file's data synced to disk (the atomic replace calls fdatasync),
// so the plain write does the same: otherwise the comparison would weigh the disk's cache against
// the disk.
void SyncToDisk(QFile& file) {
    file.flush();
#if defined(Q_OS_UNIX)
    ::fdatasync(file.handle());
#endif
}

int RunStorage(const QStringList&) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kv0"));
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    std::printf("%8s %12s %10s %10s %12s %8s %10s %10s\n", "sources", "file bytes", "save ms", "load ms",
                "plain ms", "ratio", "ns/byte", "plain");
    double first = 0, last = 0;
    // Per size: bytes, save + load, plain; what the bytes added between two sizes cost is set apart
    // from what every save and load costs whatever its size (opening, the sync to disk).
    struct Point {
        int sources;
        double bytes, program, plain;
    };
    std::vector<Point> points;
    for (int sources : {100, 999, 10000}) {
        mTDeclaration d;
        Samples::FillWithSources(d, sources);
        const int runs = sources < 500 ? 30 : sources < 5000 ? 10 : 5;
        const double save = BestMs(runs, [&] { d.SaveToFile(path); });
        const double load = BestMs(runs, [&] {
            mTDeclaration loaded;
            loaded.LoadFromFile(path);
        });
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        f.close();
        const double io = BestMs(runs, [&] {
            QFile out(plain);
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            SyncToDisk(out);
            out.close();
            QFile in(plain);
            in.open(QIODevice::ReadOnly);
            volatile qsizetype n = in.readAll().size();
            (void)n;
        });
        const double ratio = (save + load) / io;
        if (first == 0) first = ratio;
        last = ratio;
        const double size = double(bytes.size());
        std::printf("%8d %12lld %10.3f %10.3f %12.3f %8.2f %10.2f %10.2f\n", sources,
                    static_cast<long long>(bytes.size()), save, load, io, ratio, (save + load) * 1e6 / size,
                    io * 1e6 / size);
        points.push_back({sources, size, save + load, io});
    }
    std::printf("ratio at 10000 / ratio at 100: %.2f (flat when close to 1)\n", last / first);
    for (size_t i = 1; i < points.size(); ++i) {
        const Point& a = points[i - 1];
        const Point& b = points[i];
        std::printf("the bytes added from %d to %d sources: %.2f ns/byte, %.2f times the plain write + read\n",
                    a.sources, b.sources, (b.program - a.program) * 1e6 / (b.bytes - a.bytes),
                    (b.program - a.program) / (b.plain - a.plain));
    }
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("storage"), RunStorage});

} // namespace
