#include "platform/Clock.h"

namespace {
QDateTime& FixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

namespace Clock {

QDateTime Now()
{
    return FixedMoment().isValid() ? FixedMoment() : QDateTime::currentDateTime();
}

QDate Today()
{
    return Now().date();
}

void Fix(const QDateTime& moment)
{
    FixedMoment() = moment;
}

void Release()
{
    FixedMoment() = QDateTime();
}

} // namespace Clock
