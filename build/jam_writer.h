#pragma once

#include "app/result.h"

#include <QDateTime>
#include <QString>

struct AppSettings;
struct PathStyle;

// The application descriptor bin/<name>.jam.
QString MakeJamText(const AppSettings &settings, const PathStyle &style, const QDateTime &now);
// Replaces the descriptor atomically; empty on success, else the reason.
Result WriteJamFile(const AppSettings &settings, const PathStyle &style, const QDateTime &now);
QString jamFilePath(const AppSettings &settings, const PathStyle &style);
