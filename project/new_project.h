#pragma once

#include "app/project_paths.h"
#include "app/result.h"

#include <QString>

struct PathStyle;

// Makes DOJA_PATH/apps/<name> with bin, src and res and the template
// source: the new project's paths, or why none was made.
Result<ProjectPaths> makeNewProject(const QString &dojaPath, const PathStyle &style, const QString &name);

// What the user reads once the project is made: where its source and its
// resources go.
QString projectCreatedMessage(const ProjectPaths &project);

// The five lines of a new project's source, each ended by CR LF.
QString templateSourceText(const QString &name);
