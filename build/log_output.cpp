#include "build/log_output.h"

#include "app/line_ends.h"
#include "app/workbench.h"

void AppendLog(Workbench &bench, const QString &text)
{
    bench.appendLog(text);
}

void AppendLogLine(Workbench &bench, const QString &text)
{
    bench.appendLog(text + kCrLf);
}
