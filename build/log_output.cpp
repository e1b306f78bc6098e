#include "build/log_output.h"

#include "app/line_ends.h"
#include "build/build_commands.h"
#include "build/session_events.h"

void AppendLog(SessionEvents &events, const QString &text)
{
    events.report(SessionEvents::Message{text});
}

void AppendLogLine(SessionEvents &events, const QString &text)
{
    events.report(SessionEvents::Message{text + kCrLf});
}

void logCommand(SessionEvents &events, const QString &commandLine)
{
    events.report(SessionEvents::CommandStarted{commandLine});
}

Result<> toolReady(const Toolchain &tools, const QString &toolPath, const QString &missingText)
{
    if (toolPath.isEmpty())
        return Result<>::failure(missingText);
    if (const QString problem = commandLineSettingsProblem(tools); !problem.isEmpty())
        return Result<>::failure(problem);
    return Result<>::success();
}

OutputSink logOutputAsItComes(SessionEvents &events)
{
    return [&events](const QString &piece) { events.report(SessionEvents::ToolOutput{NormalizeOutput(piece)}); };
}

OutputSink OutputLogUntilVerdict::sink()
{
    return [this](const QString &piece) { take(piece); };
}

void OutputLogUntilVerdict::take(const QString &piece)
{
    if (m_heldBack.isEmpty() && piece.endsWith(QLatin1Char('\n')) && !piece.contains(QLatin1Char('\r')))
        m_events.report(SessionEvents::ToolOutput{NormalizeOutput(piece)});
    else
        m_heldBack += piece;
}
