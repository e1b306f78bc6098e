#pragma once

#include <QString>

struct Services;

// Checks the project folder, loads its source, makes it the current project.
// Returns the source text, or empty when nothing was opened.
QString OpenProject(Services &services, const QString &name);
void mnuFileOpen_Click(Services &services);
void mnuFileNew_Click(Services &services);
