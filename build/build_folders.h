#pragma once

#include <QString>

struct AppSettings;
struct PathStyle;

// Creates, one level each, whichever of bin, src, res, tmpclasses and
// classes is missing under ProjectFolder; existing folders are left alone.
// Empty on success, else the folder that could not be created (the later
// ones are then not tried).
QString PrepareBuildFolders(const AppSettings &settings, const PathStyle &style);

// Whether the folder directly holds a file that is not hidden. Subfolders
// and what they hold do not count.
bool holdsVisibleFile(const QString &folder);
