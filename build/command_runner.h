#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The outcome of one tool run: the program's exit code (non-zero when it could
// not start or crashed) and everything it printed, with LF line ends.
struct CommandResult {
    int result = 0;
    QString output;
    bool stopped = false;  // the user (or a signal) ended the tool; the action ends with this stage
};

// Takes a tool's output while the tool runs (LF line ends).
using OutputSink = std::function<void(const QString &text)>;
// Takes a tool's outcome once it has ended.
using RunEnded = std::function<void(const CommandResult &run)>;

// Runs one command line in the given folder and returns when the tool has
// ended. One runner serves all the tools of one action.
//
// A sink given to RunCommand receives pieces of text, never empty, whose
// concatenation is exactly the result's output, in order: each complete
// line, up to and including its LF, as soon as it has arrived; at the end,
// in one piece, the rest: a last line without LF and the lines the runner
// adds itself (stopped, crashed, could not start, the exit code of a tool
// that printed nothing, output cut). The sink is called from the run's
// event loop and must not spin one itself.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult RunCommand(const QString &commandLine, const QString &workingFolder,
                                     const OutputSink &sink = {}) = 0;
    // The same run without waiting: returns once the tool has started (or
    // could not be), and hands the outcome to ended from the event loop,
    // with the output as RunCommand gives it. The environment's NAME=value
    // entries are added to the program's own. A runner serves one such run
    // at a time and must outlive it; by default the run is RunCommand's.
    virtual void startCommand(const QString &commandLine, const QString &workingFolder, const OutputSink &sink,
                              const QStringList &environment, const RunEnded &ended)
    {
        Q_UNUSED(environment);
        ended(RunCommand(commandLine, workingFolder, sink));
    }
};

class CommandRunnerFactory
{
public:
    virtual ~CommandRunnerFactory() = default;
    // Null when no runner can be had.
    virtual std::unique_ptr<CommandRunner> CreateCommandRunner() = 0;
    // Ends the tool a runner of this factory is running, with everything it
    // started. Safe to call when nothing runs.
    virtual void stopRunning() {}
    // Where the runners' notes go that are no tool's output and change no
    // result (a tool that runs unguarded): one line each, without line end.
    virtual void setNoteLog(const std::function<void(const QString &line)> &log) { Q_UNUSED(log); }
};

bool CommandSucceeded(const CommandResult &run);
