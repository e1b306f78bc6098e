#pragma once

#include <QString>

// What the actions need of the main window: its log, its document (the
// editor's text) and the few questions they ask. frmMain implements it; the
// headless runner and the tests have their own. Texts hold CR LF line ends.
class Workbench
{
public:
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~Workbench() = default;

    virtual QString logText() const = 0;
    virtual void appendLog(const QString &text) = 0;  // exactly the text, nothing added
    virtual void clearLog() = 0;

    virtual QString sourceText() const = 0;
    // Replaces the editor text; the new text counts as unchanged.
    virtual void setSourceText(const QString &text) = 0;
    virtual bool isSourceModified() const = 0;
    virtual void setSourceModified(bool modified) = 0;

    // A message box with one OK button, titled Quenvel.
    virtual void showMessage(const QString &text) = 0;
    // "変更を保存しますか?" with Yes, No and Cancel.
    virtual SaveAnswer askSaveChanges() = 0;
    // A question with Yes and No, titled Quenvel; true for Yes.
    virtual bool askYesNo(const QString &question) = 0;
    // frmProject.LoadProject: the chosen entry, or empty.
    virtual QString chooseProject(const QString &listingPattern) = 0;
    // dlgNewProject.LoadProject: the created project's name, or empty.
    virtual QString createNewProject() = 0;
};
