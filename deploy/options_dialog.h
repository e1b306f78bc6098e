#pragma once

#include <QDialog>

class SettingsStore;

// The server settings dialog: not modal, one instance, no owner window.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    explicit frmOptions(SettingsStore &store, QWidget *parent = nullptr);

private:
    SettingsStore &m_store;
};
