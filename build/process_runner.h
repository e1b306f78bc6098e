#pragma once

#include "build/command_runner.h"

#include <QList>
#include <memory>

class ProcessCommandRunner;

// Runs tools with QProcess; no shell ever sees the command line. While a
// tool runs, every event is let through: the window keeps painting and
// decides itself what input counts (Esc stops the tool).
class ProcessCommandRunnerFactory : public CommandRunnerFactory
{
public:
    std::unique_ptr<CommandRunner> CreateCommandRunner() override;
    void stopRunning() override;
    void setNoteLog(const std::function<void(const QString &line)> &log) override;
    // stopRunning(), and every runner made afterwards is stopped from the
    // start: for a program that is ending and must start no more tools.
    void stopForGood();

private:
    // Shared with the runners, which take themselves off when they go.
    std::shared_ptr<QList<ProcessCommandRunner *>> m_live = std::make_shared<QList<ProcessCommandRunner *>>();
    std::shared_ptr<std::function<void(const QString &)>> m_notes = std::make_shared<std::function<void(const QString &)>>();
    bool m_forGood = false;
};

// What a tool may print before the rest is dropped.
constexpr qsizetype kMaxCapturedOutput = 4 * 1024 * 1024;
