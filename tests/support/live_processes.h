#pragma once

#include <QList>
#include <QString>

// The processes whose command line holds the marker (from /proc on Linux).
// Tests give the tools they start a marker of their own to find them by.
QList<qint64> processesWith(const QString &marker);
// Waits, processing events, until no process holds the marker.
bool noneLeftWithin(const QString &marker, int milliseconds);
// Kills what a failed test left behind.
void killProcessesWith(const QString &marker);
