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
        CommandResult RunCommand(const QString &commandLine, const QString &workingFolder) override
        {
            m_owner.commands.append({commandLine, workingFolder});
            return m_owner.answer(commandLine);
        }

    private:
        FakeCommandRunnerFactory &m_owner;
    };
};
