#include "ui/main_dialogs.h"

#include "app/message_box.h"
#include "project/new_project_dialog.h"
#include "project/project_chooser.h"
#include "project/project_settings_dialog.h"

QWidget *MainDialogs::waitingDialog() const
{
    if (m_chooser && m_chooser->isVisible())
        return m_chooser;
    if (m_newProject && m_newProject->isVisible())
        return m_newProject;
    return nullptr;
}

void MainDialogs::showMessage(const QString &text)
{
    showQuenvelMessage(text, m_window);
}

Asker::SaveAnswer MainDialogs::askSaveChanges(const QStringList &files)
{
    const QString question = QStringLiteral("変更を保存しますか?");
    const auto answer = askQuenvel(files.isEmpty() ? question : question + QStringLiteral("\n\n") + files.join(QLatin1Char('\n')),
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_window);
    if (answer == QMessageBox::Yes)
        return SaveAnswer::Save;
    if (answer == QMessageBox::No)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

bool MainDialogs::askYesNo(const QString &question, Default answer)
{
    const auto defaultButton = answer == Default::No ? QMessageBox::No : QMessageBox::NoButton;
    return askQuenvel(question, QMessageBox::Yes | QMessageBox::No, m_window, defaultButton) == QMessageBox::Yes;
}

QString MainDialogs::chooseProject(const QString &listingPattern, const QString &current)
{
    if (!m_chooser)
        m_chooser = new frmProject(m_window);
    return m_chooser->LoadProject(listingPattern, current);
}

QString MainDialogs::createNewProject()
{
    dlgNewProject dialog(m_store, m_window);
    m_newProject = &dialog;
    return dialog.LoadProject();
}

std::optional<ProjectSettings> MainDialogs::editProjectSettings(const QString &name, const ProjectSettings &settings)
{
    if (m_beforeSettings)
        m_beforeSettings();
    ProjectSettingsDialog dialog(name, settings, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}
