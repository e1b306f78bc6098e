#pragma once

#include <functional>

// A wait on the clock of seconds since midnight (0 to just under 86400).
// The start is rounded to the nearest second (a half to the even one), so a
// wait of one second lasts between half a second and one and a half.
struct ClockWait {
    double start = 0;
    double end = 0;

    static ClockWait begin(double clock, int seconds);
    // True once the clock has reached the end; past midnight the end is
    // moved back by a day.
    bool isOver(double clock);
};

double secondsSinceMidnight();

// Waits n seconds while processing events, sleeping briefly between looks
// at the clock instead of spinning a core.
void WaitSeconds(int seconds, const std::function<void()> &processEvents = {});
