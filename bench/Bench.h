#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Benchmarks register themselves, one file each.
struct Benchmark {
    QString name;
    std::function<int(const QStringList& args)> run;
};

inline std::vector<Benchmark>& Benchmarks() {
    static std::vector<Benchmark> list;
    return list;
}

struct BenchmarkRegistrar {
    explicit BenchmarkRegistrar(Benchmark b) { Benchmarks().push_back(std::move(b)); }
};

// Best of several runs, in milliseconds.
template <class Body> double BestMs(int runs, Body&& body) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}
