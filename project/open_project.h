#pragma once

#include "app/opened_project.h"
#include "app/result.h"

#include <QString>
#include <optional>

struct Services;

// An opened project with its source text.
struct ProjectOpening {
    OpenedProject project;
    QString text;
};

// Checks the name and the project folder, reads its source, makes it the
// last project in the settings. The project and its text; none when the
// user cancelled the chooser or declined the source's conversion; or why it
// cannot be opened. An empty name asks the chooser, which first shows current
// (the open project's name), else the last project.
Result<std::optional<ProjectOpening>> OpenProject(Services &services, const QString &name, const QString &current = {});
