#include "app/wait_seconds.h"

#include <QThread>
#include <QTime>
#include <cmath>

namespace {
constexpr double kDay = 86400.0;
}

ClockWait ClockWait::begin(double clock, int seconds)
{
    const double start = std::nearbyint(clock);  // ties to even in the default rounding mode
    return {start, start + seconds};
}

bool ClockWait::isOver(double clock)
{
    if (clock < start && end >= kDay)
        end -= kDay;
    return clock >= end;
}

double secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void WaitSeconds(int seconds, const std::function<void()> &processEvents)
{
    ClockWait wait = ClockWait::begin(secondsSinceMidnight(), seconds);
    for (;;) {
        if (processEvents)
            processEvents();
        if (wait.isOver(secondsSinceMidnight()))
            return;
        QThread::msleep(10);
    }
}
