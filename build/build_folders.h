#pragma once

#include <QString>

class ProjectPaths;

// Creates, one level each, whichever of bin, src, res, tmpclasses and
// classes is missing in the project folder; existing folders are left
// alone. Empty on success, else the folder that could not be created (the
// later ones are then not tried).
QString PrepareBuildFolders(const ProjectPaths &project);

// Empties tmpclasses and classes, so the archive holds exactly what the
// source defines now. Empty on success, else the folder that could not be
// emptied.
QString EmptyClassFolders(const ProjectPaths &project);
// The class folders emptied and the three products (archive, descriptor,
// page) removed; the scratchpad file, which holds the application's data,
// stays. Empty on success, else what could not be removed.
QString RemoveBuildProducts(const ProjectPaths &project);

// Whether the folder directly holds a file that is not hidden. Subfolders
// and what they hold do not count.
bool holdsVisibleFile(const QString &folder);
