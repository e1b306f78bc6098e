#pragma once

#include "app/result.h"

#include <QString>
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
};

// File > Save: the editor's text to the open project's source file;
// nothing before a project is open.
SaveOutcome mnuFileSave_Click(Services &services, const OpenedProject *project);

// Before the editor text is replaced or the window closes: asks about
// unsaved edits that Save could write (a project is open, the text is not
// empty). False when the user chose Cancel, or Save and the save failed.
bool maySourceBeLeft(Services &services, const OpenedProject *project);
