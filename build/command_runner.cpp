#include "build/command_runner.h"

#include "app/line_ends.h"


bool CommandSucceeded(const CommandResult &run)
{
    return run.result == 0 && run.output.isEmpty();
}

QString NormalizeOutput(const QString &output)
{
    return lfToCrLf(output);
}
