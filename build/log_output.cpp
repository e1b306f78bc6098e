#include "build/log_output.h"

#include "ui/workbench.h"

void AppendLog(Workbench &bench, const QString &text)
{
    bench.appendLog(text);
}

void AppendLogLine(Workbench &bench, const QString &text)
{
    bench.appendLog(text + QStringLiteral("\r\n"));
}
