#include "build/process_runner.h"

// Stub: filled in with the QProcess runner.
std::unique_ptr<CommandRunner> ProcessCommandRunnerFactory::CreateCommandRunner() { return nullptr; }
bool CommandSucceeded(const CommandResult &run) { return run.result == 0 && run.output.isEmpty(); }
QString NormalizeOutput(const QString &output) { QString s = output; return s.replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }
bool SetWorkingDirectory(const QString &) { return false; }
