#include "deploy/options_dialog.h"

// Stub: filled in with the server settings dialog.
frmOptions::frmOptions(SettingsStore &store, QWidget *parent) : QDialog(parent), m_store(store) {}
