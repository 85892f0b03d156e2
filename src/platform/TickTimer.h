#pragma once

#include <QObject>

class QTimer;

// A timer control: an interval in milliseconds, enabled or not, and a Tick handler that runs
// once per interval while enabled. In manual mode (tests) nothing runs by itself: Fire() runs
// the handler as an elapsed interval would, when the timer is enabled.
class TickTimer : public QObject {
    Q_OBJECT
public:
    explicit TickTimer(QObject* parent = nullptr);

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Runs Tick once if the timer is enabled; false when it was not.
    bool Fire();

    static void SetManual(bool manual);
    static bool Manual();

signals:
    void Tick();

private:
    void Restart();

    QTimer* timer_ = nullptr;
    int interval_ = 0;
    bool enabled_ = false;
};
