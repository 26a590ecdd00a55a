#pragma once

#include <QTimer>
#include <QWidget>

// The start window: the program's picture, shown while the main window is created and for at least
// three seconds from its own creation.
class TStartForm : public QWidget {
    Q_OBJECT

public:
    explicit TStartForm(int minimumMs = 3000);
    // Processes window messages until the minimum time has passed.
    void WaitForTimer();
    bool TimerRunning() const { return timer_.isActive(); }

private:
    QTimer timer_;
};
