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

bool HasTool(Workbench &bench, const QString &toolPath, const QString &missingText)
{
    if (!toolPath.isEmpty())
        return true;
    AppendLogLine(bench, missingText);
    return false;
}
