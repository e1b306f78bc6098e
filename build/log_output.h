#pragma once

#include "app/result.h"
#include "build/command_runner.h"

#include <QString>

class SessionEvents;
struct Toolchain;

// The log's append rules: the text as it stands, or the text and CR LF.
void AppendLog(SessionEvents &events, const QString &text);
void AppendLogLine(SessionEvents &events, const QString &text);
// A tool's command line, logged as it is about to run.
void logCommand(SessionEvents &events, const QString &commandLine);

// Whether one of the tools may be started: its folder setting names it
// (else the missing text) and no setting would break its command line. The
// reason is for the log.
Result<> toolReady(const Toolchain &tools, const QString &toolPath, const QString &missingText);

// A tool's output reported as the runner hands it over, each LF as CR LF.
OutputSink logOutputAsItComes(SessionEvents &events);

// A tool's output reported as it comes while its log text does not depend
// on how the tool ends: whole lines without a lone CR, which a success logs
// as line ends and a failure as they stand. From the first piece that does,
// the rest waits for the verdict.
class OutputLogUntilVerdict
{
public:
    explicit OutputLogUntilVerdict(SessionEvents &events) : m_events(events) {}
    OutputSink sink();
    // What waits, as the runner handed it over.
    const QString &heldBack() const { return m_heldBack; }

private:
    void take(const QString &piece);

    SessionEvents &m_events;
    QString m_heldBack;
};
