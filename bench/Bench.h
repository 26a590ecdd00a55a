#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <ctime>
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

// Best of several runs, in milliseconds of the thread's processor time: on a busy machine the wall
// clock also counts the time other programs ran.
template <class Body> double BestCpuMs(int runs, Body&& body) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        timespec start{}, end{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        body();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        best = std::min(best, (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6);
    }
    return best;
}

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
