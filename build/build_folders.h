#pragma once

#include "app/result.h"

#include <QString>
#include <QStringList>

class ProjectPaths;

// Creates, one level each, whichever of bin, src, res, tmpclasses and
// classes is missing in the project folder; existing folders are left
// alone. A folder that cannot be created is named in the failure (the later
// ones are then not tried).
Result<> PrepareBuildFolders(const ProjectPaths &project);

// Removes the class files below tmpclasses and classes, so the archive holds
// exactly what the source defines now; every other file stays, and a link
// is never followed. The removed files' paths relative to their folder, each
// once; a failure is the log line that says what was not removed.
Result<QStringList> removeClassFiles(const ProjectPaths &project);
// The class files below tmpclasses, as removeClassFiles names them.
QStringList compiledClassFiles(const ProjectPaths &project);
// The class files removed and the three products (archive, descriptor,
// page) removed; the scratchpad file, which holds the application's data,
// stays. A failure is the log line that says what was not removed.
Result<> removeBuildProducts(const ProjectPaths &project);

// Whether the folder directly holds a file that is not hidden. Subfolders
// and what they hold do not count.
bool holdsVisibleFile(const QString &folder);
