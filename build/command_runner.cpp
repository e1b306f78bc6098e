#include "build/command_runner.h"

#include <QDir>

bool CommandSucceeded(const CommandResult &run)
{
    return run.result == 0 && run.output.isEmpty();
}

QString NormalizeOutput(const QString &output)
{
    QString text = output;
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

bool SetWorkingDirectory(const QString &folder)
{
    return QDir::setCurrent(folder);
}
