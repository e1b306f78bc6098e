#include "ui/help_window.h"

// Stub: filled in with the help window.
void mnuHelpContents_Click(QWidget *) {}
