#pragma once

#include <QDialog>

class SettingsStore;

// Asks for a project name and creates the project.
class dlgNewProject : public QDialog
{
    Q_OBJECT
public:
    dlgNewProject(SettingsStore &store, QWidget *parent = nullptr);
    // The new project's name, or empty when none was created.
    QString LoadProject();

private:
    SettingsStore &m_store;
};
