#include "cli/ParallelRun.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// How far the workers may run ahead of the item waiting to be delivered, per thread: a slow item
// must not let the results behind it pile up without bound.
constexpr qsizetype AheadPerJob = 64;

} // namespace

void RunInParallel(const ParallelRun& run) {
    if (run.Jobs <= 1 || run.Count <= 1) {
        for (qsizetype i = 0; i < run.Count; ++i) {
            run.Work(i);
            if (run.Progress) run.Progress(i + 1);
            run.Deliver(i);
        }
        return;
    }
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<char> finished(size_t(run.Count), 0);
    qsizetype next = 0;      // the next item a worker takes
    qsizetype delivered = 0; // items handed to Deliver
    qsizetype done = 0;
    const qsizetype ahead = AheadPerJob * run.Jobs;

    const auto worker = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return next >= run.Count || next < delivered + ahead; });
            if (next >= run.Count) return;
            const qsizetype i = next++;
            lock.unlock();
            run.Work(i);
            lock.lock();
            finished[size_t(i)] = 1;
            ++done;
            changed.notify_all();
        }
    };
    const int threads = int(std::min<qsizetype>(run.Jobs, run.Count));
    std::vector<std::thread> pool;
    pool.reserve(size_t(threads));
    for (int t = 0; t < threads; ++t)
        pool.emplace_back(worker);

    qsizetype reported = 0;
    std::unique_lock lock(mutex);
    while (delivered < run.Count) {
        changed.wait(lock, [&] { return finished[size_t(delivered)] || done != reported; });
        reported = done;
        // Results are handed over without the lock, so the workers go on meanwhile.
        lock.unlock();
        if (run.Progress) run.Progress(reported);
        lock.lock();
        while (delivered < run.Count && finished[size_t(delivered)]) {
            const qsizetype i = delivered;
            lock.unlock();
            run.Deliver(i);
            lock.lock();
            ++delivered;
            changed.notify_all();
        }
    }
    lock.unlock();
    for (std::thread& t : pool)
        t.join();
    // The last items may have been delivered before their count was told.
    if (run.Progress && reported != run.Count) run.Progress(run.Count);
}
