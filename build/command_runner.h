#pragma once

#include <QString>
#include <memory>

// The outcome of one tool run: the program's exit code (non-zero when it could
// not start or crashed) and everything it printed, with LF line ends.
struct CommandResult {
    int result = 0;
    QString output;
    bool stopped = false;  // the user (or a signal) ended the tool; the action ends with this stage
};

// Runs one command line in the given folder and returns when the tool has
// ended. One runner serves all the tools of one action.
class CommandRunner
{
public:
    virtual ~CommandRunner() = default;
    virtual CommandResult RunCommand(const QString &commandLine, const QString &workingFolder) = 0;
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
};

bool CommandSucceeded(const CommandResult &run);
