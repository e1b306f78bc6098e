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
// cannot be opened. An empty name asks the chooser.
Result<std::optional<ProjectOpening>> OpenProject(Services &services, const QString &name);

// OpenProject, its reason shown and its text put into the editor: the opened
// project, or none.
std::optional<OpenedProject> OpenProjectIntoEditor(Services &services, const QString &name);
// File > Open project and File > New project, once unsaved edits of the
// current project may be left.
std::optional<OpenedProject> mnuFileOpen_Click(Services &services, const OpenedProject *current);
std::optional<OpenedProject> mnuFileNew_Click(Services &services, const OpenedProject *current);
