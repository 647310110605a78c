#pragma once

#include <QObject>
#include <QTimer>

namespace platform::ui {

// A window timer with these rules:
// - an interval of 0 never fires (whether or not the timer is enabled);
// - enabling a timer that is already enabled changes nothing (it is not restarted);
// - setting the interval of an enabled timer restarts its count, even to the same value;
// - intervals from 1 to 15 ms run at 16 ms, the shortest tick;
// - a tick that falls due while the handler of the previous tick is still running
//   (inside a nested wait or modal window) is dropped, so a handler never runs
//   inside itself; the other timers keep firing.
class Timer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

public:
    static constexpr int kShortestTickMs = 16;

    explicit Timer(QObject* parent = nullptr);
    Timer(int intervalMs, bool enabled, QObject* parent = nullptr);

    int interval() const { return interval_; }
    // Negative values count as 0.
    void setInterval(int ms);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);

signals:
    void timeout();

private:
    void restart();
    void tick();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
    bool inTick_ = false;
};

}  // namespace platform::ui
