#include "ui/about_dialog.h"

// Stub: filled in with the about box.
frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {}
