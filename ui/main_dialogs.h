#pragma once

#include "app/asker.h"

#include <QPointer>
#include <functional>

class QWidget;
class SettingsStore;
class dlgNewProject;
class frmProject;

// The session's questions as the main window's dialogs: message boxes, the
// project chooser, the new-project dialog and the project settings.
class MainDialogs : public Asker
{
public:
    MainDialogs(QWidget *window, SettingsStore &store) : m_window(window), m_store(store) {}

    // Called as the settings dialog opens, so what stands behind it is current.
    void setBeforeSettings(std::function<void()> before) { m_beforeSettings = std::move(before); }
    // The chooser or the new-project dialog while one waits for the user.
    QWidget *waitingDialog() const;

    void showMessage(const QString &text) override;
    SaveAnswer askSaveChanges(const QStringList &files) override;
    bool askYesNo(const QString &question, Default answer = Default::Yes) override;
    QString chooseProject(const QString &listingPattern, const QString &current) override;
    QString createNewProject() override;
    std::optional<ProjectSettings> editProjectSettings(const QString &name, const ProjectSettings &settings) override;

private:
    QWidget *m_window;
    SettingsStore &m_store;
    std::function<void()> m_beforeSettings;
    QPointer<frmProject> m_chooser;
    QPointer<dlgNewProject> m_newProject;
};
