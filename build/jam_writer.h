#pragma once

#include "app/result.h"

#include <QDateTime>
#include <QString>

struct OpenedProject;

// The name the handset lists: the project's, unless the settings name one.
QString effectiveAppName(const OpenedProject &project);
// The CLDC a profile runs on, as ConfigurationVer writes it.
QString configurationOf(const QString &profile);

// The application descriptor bin/<name>.jam, of the project's version.
QString MakeJamText(const OpenedProject &project, const QDateTime &now);
// Replaces the project's descriptor atomically; a failure says why.
Result<> WriteJamFile(const OpenedProject &project, const QDateTime &now);
