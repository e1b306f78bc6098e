#include "project/open_project.h"

#include "app/services.h"

// Stub: filled in with project opening.
QString OpenProject(Services &, const QString &) { return {}; }
void mnuFileOpen_Click(Services &) {}
void mnuFileNew_Click(Services &) {}
