#include "platform/TickTimer.h"

#include <QTimer>

namespace {

bool& ManualMode()
{
    static bool manual = false;
    return manual;
}

} // namespace

TickTimer::TickTimer(QObject* parent) : QObject(parent), timer_(new QTimer(this))
{
    connect(timer_, &QTimer::timeout, this, [this] {
        if (enabled_)
            emit Tick();
    });
}

void TickTimer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void TickTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

bool TickTimer::Fire()
{
    if (!enabled_)
        return false;
    emit Tick();
    return true;
}

void TickTimer::Restart()
{
    // As with the original control, a change of interval or a new start counts from now.
    timer_->stop();
    if (enabled_ && interval_ > 0 && !ManualMode())
        timer_->start(interval_);
}

void TickTimer::SetManual(bool manual)
{
    ManualMode() = manual;
}

bool TickTimer::Manual()
{
    return ManualMode();
}
