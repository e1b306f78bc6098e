#pragma once

#include "app/result.h"

#include <QString>
#include <QStringList>
#include <optional>

struct OpenedProject;
struct Services;

enum class SaveOutcome { Saved, NothingToSave, Failed };

// The project's source file as the editor holds it: what opening a project
// and building need of it. ui/source_text gives the rules; the window and
// the headless run each hand one to the actions.
class SourceDocument
{
public:
    virtual ~SourceDocument() = default;
    // The file's text for the editor, every line ended by CR LF; none when
    // the user declined its conversion; the reason when it cannot be read.
    virtual Result<std::optional<QString>> read(const QString &path) = 0;
    // Writes the editor's text to path unless it is empty, and logs how it went.
    virtual SaveOutcome save(const QString &path) = 0;
    // Besides the main file: the sources open in editors of their own that
    // hold unsaved changes, as paths on disk. None where there is one editor.
    virtual QStringList changedOtherFiles() const { return {}; }
    // Writes the editor of one of them, and logs how it went.
    virtual SaveOutcome saveOther(const QString &path)
    {
        Q_UNUSED(path);
        return SaveOutcome::NothingToSave;
    }
};

// File > Save: the editor's text to the open project's source file;
// nothing before a project is open.
SaveOutcome mnuFileSave_Click(Services &services, const OpenedProject *project);

// Before the editor text is replaced or the window closes: asks about
// unsaved edits that Save could write (a project is open, the text is not
// empty), once for every file, naming them when another file than the main
// one has some. False when the user chose Cancel, or Save and a save failed.
bool maySourceBeLeft(Services &services, const OpenedProject *project);

// Build's saves: every changed file in the order of the source tree, the
// main file always, as the one editor always did. False when one failed;
// the others are saved all the same.
bool saveAllSources(Services &services, const OpenedProject &project);
