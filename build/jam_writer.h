#pragma once

#include "app/result.h"

#include <QDateTime>
#include <QString>

struct AppSettings;
struct PathStyle;

// The application descriptor bin/<name>.jam.
QString MakeJamText(const AppSettings &settings, const PathStyle &style, const QDateTime &now);
// Replaces ProjectPaths::descriptor() atomically; a failure says why.
Result<> WriteJamFile(const AppSettings &settings, const PathStyle &style, const QDateTime &now);
