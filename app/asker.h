#pragma once

#include "app/project_settings.h"

#include <QString>
#include <QStringList>
#include <optional>

// The questions an action asks the user, and the messages it shows: dialogs
// in the window, fixed answers without one.
class Asker
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };
    enum class Default { Yes, No };

    virtual ~Asker() = default;

    // A message box with one OK button, titled Quenvel.
    virtual void showMessage(const QString &text) = 0;
    // "変更を保存しますか?" with Yes, No and Cancel; the files, when given,
    // are named below the question, one a line.
    virtual SaveAnswer askSaveChanges(const QStringList &files) = 0;
    // A question with Yes and No, titled Quenvel; true for Yes.
    virtual bool askYesNo(const QString &question, Default answer = Default::Yes) = 0;
    // frmProject.LoadProject: the chosen entry, or empty.
    virtual QString chooseProject(const QString &listingPattern, const QString &current) = 0;
    // dlgNewProject.LoadProject: the created project's name, or empty.
    virtual QString createNewProject() = 0;
    // The project settings dialog: the settings the user accepted, none when
    // cancelled.
    virtual std::optional<ProjectSettings> editProjectSettings(const QString &name, const ProjectSettings &settings) = 0;
};
