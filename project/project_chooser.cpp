#include "project/project_chooser.h"

// Stub: filled in with the chooser.
frmProject::frmProject(QWidget *parent) : QDialog(parent) {}
QString frmProject::LoadProject(const QString &) { return {}; }
