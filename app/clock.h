#pragma once

#include <QDateTime>

// The current local time, as a seam so the descriptor's time stamp is testable.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
