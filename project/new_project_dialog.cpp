#include "project/new_project_dialog.h"

// Stub: filled in with project creation.
dlgNewProject::dlgNewProject(SettingsStore &store, QWidget *parent) : QDialog(parent), m_store(store) {}
QString dlgNewProject::LoadProject() { return {}; }
