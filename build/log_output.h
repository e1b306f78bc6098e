#pragma once

#include "build/command_runner.h"

#include <QString>

class Workbench;

// The log's append rules: the text as it stands, or the text and CR LF.
void AppendLog(Workbench &bench, const QString &text);
void AppendLogLine(Workbench &bench, const QString &text);
// False, with the missing text logged, when a tool has no path: its folder
// setting is empty.
bool hasTool(Workbench &bench, const QString &toolPath, const QString &missingText);

// A tool's output logged as the runner hands it over, each LF as CR LF.
OutputSink logOutputAsItComes(Workbench &bench);

// A tool's output logged as it comes while its log text does not depend on
// how the tool ends: whole lines without a lone CR, which a success logs as
// line ends and a failure as they stand. From the first piece that does,
// the rest waits for the verdict.
class OutputLogUntilVerdict
{
public:
    explicit OutputLogUntilVerdict(Workbench &bench) : m_bench(bench) {}
    OutputSink sink();
    // What waits, as the runner handed it over.
    const QString &heldBack() const { return m_heldBack; }
    // The log's line where the output begins: a note of the runner may come
    // between the tool's command line and its output.
    int firstLine() const;

private:
    void take(const QString &piece);

    Workbench &m_bench;
    QString m_heldBack;
    int m_firstLine = -1;
};
