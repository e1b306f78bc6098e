#pragma once

#include "build/command_runner.h"

// Runs tools with QProcess; no shell ever sees the command line.
class ProcessCommandRunnerFactory : public CommandRunnerFactory
{
public:
    std::unique_ptr<CommandRunner> CreateCommandRunner() override;
};
