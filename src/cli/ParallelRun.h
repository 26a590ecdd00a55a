#pragma once

#include <QtGlobal>
#include <functional>

// Independent pieces of work spread over threads, their results taken in the order of the items, so
// that the output of a parallel run reads exactly as that of a sequential one.
struct ParallelRun {
    qsizetype Count = 0;
    // Threads at work; 1 runs every item on the calling thread.
    int Jobs = 1;
    // Does item i; runs on a worker thread, at the same time as other items. Must not throw.
    std::function<void(qsizetype i)> Work;
    // Takes item i's result, on the calling thread, for i = 0, 1, 2, … in turn.
    std::function<void(qsizetype i)> Deliver;
    // Told, on the calling thread, how many items are done whenever that number grew; may be empty.
    std::function<void(qsizetype done)> Progress;
};

// Returns when every item is done and delivered.
void RunInParallel(const ParallelRun& run);
