#pragma once

#include <QString>

class Workbench;

// The log's append rules: the text as it stands, or the text and CR LF.
void AppendLog(Workbench &bench, const QString &text);
void AppendLogLine(Workbench &bench, const QString &text);
// False, with the missing text logged, when a tool has no path: its folder
// setting is empty.
bool HasTool(Workbench &bench, const QString &toolPath, const QString &missingText);
