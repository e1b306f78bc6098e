#pragma once

#include <QString>
#include <optional>

struct Services;

// Checks the name and the project folder, loads its source, makes it the
// current project. Returns the source text, or null when nothing was opened.
// An empty name asks the chooser; a cancelled choice changes nothing and
// shows nothing.
std::optional<QString> OpenProject(Services &services, const QString &name);
void mnuFileOpen_Click(Services &services);
void mnuFileNew_Click(Services &services);
