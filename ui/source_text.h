#pragma once

#include "app/source_document.h"

#include <QString>
#include <optional>

class Asker;
class SessionEvents;
class Workbench;

inline const QString kConvertUtf8Question = QStringLiteral("このファイルはUTF-8で書かれています。Shift_JISに変換して開きますか?");

// The file's text with every line ended by CR LF, or why it cannot be read.
// A file that reads as UTF-8 is converted when the user agrees (the next
// save writes Windows-31J; *converted tells). When the user declines, a file
// that is also valid Windows-31J is read as such, any other is not shown.
Result<std::optional<QString>> OpenText(Asker &asker, const QString &fileName, bool *converted = nullptr);

// Writes the editor text to the source file unless it is empty; logs the
// outcome, and that a file in UTF-8 was converted (fromUtf8, or the old file
// can only be UTF-8). A failed save leaves the file as it was and says why
// in a second line.
SaveOutcome SaveSource(Workbench &bench, SessionEvents &events, const QString &sourcePath, bool fromUtf8 = false);

// The source document over the editor's text, asking the user about a file
// in UTF-8 and reporting its saves.
class SourceText : public SourceDocument
{
public:
    SourceText(Workbench &bench, Asker &asker, SessionEvents &events) : m_bench(bench), m_asker(asker), m_events(events) {}
    Result<std::optional<QString>> read(const QString &path) override;
    SaveOutcome save(const QString &path) override;

private:
    Workbench &m_bench;
    Asker &m_asker;
    SessionEvents &m_events;
    QString m_convertedPath;  // read from UTF-8, not saved since
};
