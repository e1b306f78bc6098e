#pragma once

#include "app/source_document.h"

#include <QString>
#include <optional>

class Workbench;

inline const QString kConvertUtf8Question = QStringLiteral("このファイルはUTF-8で書かれています。Shift_JISに変換して開きますか?");

// The file's text with every line ended by CR LF, or why it cannot be read.
// A file in UTF-8 is shown only when the user agrees to its conversion (the
// next save writes Windows-31J); none when the user declines.
Result<std::optional<QString>> OpenText(Workbench &bench, const QString &fileName);

// Writes the editor text to the source file unless it is empty; logs the
// outcome. A failed save leaves the file as it was and says why in a second
// line.
SaveOutcome SaveSource(Workbench &bench, const QString &sourcePath);

// The source document over a workbench's editor text and log.
class SourceText : public SourceDocument
{
public:
    explicit SourceText(Workbench &bench) : m_bench(bench) {}
    Result<std::optional<QString>> read(const QString &path) override { return OpenText(m_bench, path); }
    SaveOutcome save(const QString &path) override { return SaveSource(m_bench, path); }

private:
    Workbench &m_bench;
};
