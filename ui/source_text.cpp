#include "ui/source_text.h"

#include "app/services.h"

// Stub: filled in with the source reading and saving.
QString OpenText(Workbench &, const QString &) { return {}; }
void SaveSource(Services &) {}
void mnuFileSave_Click(Services &services) { SaveSource(services); }
bool MaySourceBeLeft(Services &) { return true; }
