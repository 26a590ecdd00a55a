#pragma once

#include "records/RecoveryCopy.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// Keeps the recovery copy of the open declaration while it has unsaved changes. The copy is written
// a few seconds after the user stops typing, never more often than once an interval, and at the
// latest one interval after the first change it does not hold yet, so that a user who types without
// a pause is covered too.
class TAutosave : public QObject {
    Q_OBJECT

public:
    struct Timing {
        int QuietMs = 3000;
        int IntervalMs = 60000;
    };
    // Writes the copy; false when it could not be written (it is tried again an interval later).
    using Writer = std::function<bool(RecoveryCopy&)>;
    // False while the copy must wait (the window is busy with a modal question).
    using Readiness = std::function<bool()>;

    TAutosave(const QString& folder, Writer write, Readiness ready, QObject* parent = nullptr);

    void SetTiming(Timing timing) { timing_ = timing; }
    // The user changed the declaration.
    void Changed();
    // The declaration was saved or given up: its copy goes, and nothing is pending.
    void Discard();
    // A copy restored at start-up becomes this program's own, and the next writes replace it.
    void Adopt(RecoveryCopy copy);
    const RecoveryCopy& Copy() const { return copy_; }
    bool Pending() const { return firstChange_ >= 0; }

private:
    void Schedule();
    void Due();

    RecoveryCopy copy_;
    Writer write_;
    Readiness ready_;
    Timing timing_;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastWrite_ = -1;   // when the copy was last written; -1: not yet
    qint64 firstChange_ = -1; // the first change the copy does not hold; -1: none
    qint64 lastChange_ = -1;
};
