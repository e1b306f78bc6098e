#pragma once

#include "app/result.h"

#include <QString>

struct AppSettings;
struct PathStyle;

// The download page bin/<name>.htm.
QString MakeHtmlText(const AppSettings &settings);
// Replaces ProjectPaths::page() atomically; a failure says why.
Result<> WriteHtmlFile(const AppSettings &settings, const PathStyle &style);
