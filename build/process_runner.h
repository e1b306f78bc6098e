#pragma once

#include "build/command_runner.h"

// Runs tools with QProcess; no shell ever sees the command line. While a
// tool runs, the window keeps painting but takes no input.
class ProcessCommandRunnerFactory : public CommandRunnerFactory
{
public:
    std::unique_ptr<CommandRunner> CreateCommandRunner() override;
};

// What a tool may print before the rest is dropped.
constexpr qsizetype kMaxCapturedOutput = 4 * 1024 * 1024;

// True while a tool started by a runner has not ended.
bool isCommandRunning();
