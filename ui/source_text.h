#pragma once

#include <QString>
#include <optional>

class Workbench;
struct Services;

inline const QString kConvertUtf8Question = QStringLiteral("このファイルはUTF-8で書かれています。Shift_JISに変換して開きますか?");

// The file's text with every line ended by CR LF, or empty when it cannot be
// read. A file in UTF-8 is shown only when the user agrees to its conversion
// (the next save writes Windows-31J); null when the user declines.
std::optional<QString> OpenText(Workbench &bench, const QString &fileName);

enum class SaveOutcome { Saved, NothingToSave, Failed };
// Writes the editor text to SourcePath when a project is open; logs the outcome.
// A failed save leaves the file as it was and says why in a second line.
SaveOutcome SaveSource(Services &services);
void mnuFileSave_Click(Services &services);
// Before the editor text is replaced or the window closes: asks about unsaved
// edits. False when the user chose Cancel.
bool MaySourceBeLeft(Services &services);
