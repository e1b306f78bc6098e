#include "build/command_runner.h"

bool CommandSucceeded(const CommandResult &run)
{
    return run.result == 0 && run.output.isEmpty();
}
