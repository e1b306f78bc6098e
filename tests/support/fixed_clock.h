#pragma once

#include "app/clock.h"

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9))) : moment(at) {}
    QDateTime now() const override { return moment; }
    QDateTime moment;
};
