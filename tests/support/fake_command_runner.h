#pragma once

#include "build/command_runner.h"

#include <QDir>
#include <QList>
#include <QString>
#include <functional>

// Records every command line with the directory it ran in, and answers with
// whatever the test scripted.
struct RecordedCommand {
    QString commandLine;
    QString workingDirectory;
};

class FakeCommandRunnerFactory : public CommandRunnerFactory
{
public:
    QList<RecordedCommand> commands;
    int runnersCreated = 0;
    int stops = 0;  // calls of stopRunning()
    bool failCreation = false;
    // Answers a command line; the default succeeds silently.
    std::function<CommandResult(const QString &commandLine)> answer = [](const QString &) { return CommandResult{}; };

    std::unique_ptr<CommandRunner> CreateCommandRunner() override
    {
        if (failCreation)
            return nullptr;
        ++runnersCreated;
        return std::make_unique<Runner>(*this);
    }

    void stopRunning() override { ++stops; }

private:
    class Runner : public CommandRunner
    {
    public:
        explicit Runner(FakeCommandRunnerFactory &owner) : m_owner(owner) {}
        // The answer reaches a sink line by line, as a real tool's would.
        CommandResult RunCommand(const QString &commandLine, const QString &workingFolder, const OutputSink &sink) override
        {
            m_owner.commands.append({commandLine, workingFolder});
            const CommandResult result = m_owner.answer(commandLine);
            for (qsizetype start = 0; sink && start < result.output.size();) {
                const qsizetype end = result.output.indexOf(QLatin1Char('\n'), start);
                const qsizetype next = end < 0 ? result.output.size() : end + 1;
                sink(result.output.sliced(start, next - start));
                start = next;
            }
            return result;
        }

    private:
        FakeCommandRunnerFactory &m_owner;
    };
};
