#pragma once

#include "app/result.h"

#include <QDateTime>
#include <QString>

struct OpenedProject;

// The application descriptor bin/<name>.jam, of the project's version.
QString MakeJamText(const OpenedProject &project, const QDateTime &now);
// Replaces the project's descriptor atomically; a failure says why.
Result<> WriteJamFile(const OpenedProject &project, const QDateTime &now);
