#include "shell/Autosave.h"

#include <algorithm>

TAutosave::TAutosave(const QString& folder, Writer write, Readiness ready, QObject* parent)
    : QObject(parent), copy_(folder), write_(std::move(write)), ready_(std::move(ready)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TAutosave::Due);
    clock_.start();
}

void TAutosave::Changed() {
    lastChange_ = clock_.elapsed();
    if (firstChange_ < 0) firstChange_ = lastChange_;
    Schedule();
}

void TAutosave::Discard() {
    timer_.stop();
    firstChange_ = lastChange_ = -1;
    copy_.Remove();
}

void TAutosave::Adopt(RecoveryCopy copy) {
    copy_ = std::move(copy);
}

void TAutosave::Schedule() {
    if (firstChange_ < 0) return;
    const qint64 settled = std::min(lastChange_ + timing_.QuietMs, firstChange_ + timing_.IntervalMs);
    const qint64 allowed = lastWrite_ < 0 ? 0 : lastWrite_ + timing_.IntervalMs;
    timer_.start(int(std::max<qint64>(0, std::max(settled, allowed) - clock_.elapsed())));
}

void TAutosave::Due() {
    if (firstChange_ < 0) return;
    if (ready_ && !ready_()) {
        timer_.start(timing_.QuietMs);
        return;
    }
    const qint64 now = clock_.elapsed();
    if (!write_(copy_)) {
        // Tried again an interval later rather than at every keystroke.
        lastWrite_ = now;
        Schedule();
        return;
    }
    lastWrite_ = now;
    firstChange_ = lastChange_ = -1;
}
