#include "build/log_output.h"

#include "app/line_ends.h"
#include "app/workbench.h"

void AppendLog(Workbench &bench, const QString &text)
{
    bench.appendLog(text);
}

void AppendLogLine(Workbench &bench, const QString &text)
{
    bench.appendLog(text + kCrLf);
}

bool hasTool(Workbench &bench, const QString &toolPath, const QString &missingText)
{
    if (!toolPath.isEmpty())
        return true;
    AppendLogLine(bench, missingText);
    return false;
}

OutputSink logOutputAsItComes(Workbench &bench)
{
    return [&bench](const QString &piece) { bench.appendLog(NormalizeOutput(piece)); };
}

OutputSink OutputLogUntilVerdict::sink()
{
    return [this](const QString &piece) { take(piece); };
}

int OutputLogUntilVerdict::firstLine() const
{
    return m_firstLine >= 0 ? m_firstLine : int(m_bench.logText().count(QLatin1Char('\n')));
}

void OutputLogUntilVerdict::take(const QString &piece)
{
    if (m_firstLine < 0)
        m_firstLine = firstLine();
    if (m_heldBack.isEmpty() && piece.endsWith(QLatin1Char('\n')) && !piece.contains(QLatin1Char('\r')))
        m_bench.appendLog(NormalizeOutput(piece));
    else
        m_heldBack += piece;
}
