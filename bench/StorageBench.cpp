// Save and load of declarations of growing size against a plain write and read of the same bytes.
#include "bench/Bench.h"
#include "tests/support/Samples.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

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
    std::printf("%8s %12s %10s %10s %12s %8s\n", "sources", "file bytes", "save ms", "load ms", "plain ms",
                "ratio");
    double first = 0, last = 0;
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
        std::printf("%8d %12lld %10.3f %10.3f %12.3f %8.2f\n", sources, static_cast<long long>(bytes.size()),
                    save, load, io, ratio);
    }
    std::printf("ratio at 10000 / ratio at 100: %.2f (flat when close to 1)\n", last / first);
    return 0;
}

const BenchmarkRegistrar registrar({QStringLiteral("storage"), RunStorage});

} // namespace
