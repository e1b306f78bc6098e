#pragma once

#include <QString>

class ProjectPaths;

// Creates, one level each, whichever of bin, src, res, tmpclasses and
// classes is missing in the project folder; existing folders are left
// alone. Empty on success, else the folder that could not be created (the
// later ones are then not tried).
QString PrepareBuildFolders(const ProjectPaths &project);

// Whether the folder directly holds a file that is not hidden. Subfolders
// and what they hold do not count.
bool holdsVisibleFile(const QString &folder);
