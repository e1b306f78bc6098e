#pragma once

#include <QString>

class Workbench;

// The log's append rules: the text as it stands, or the text and CR LF.
void AppendLog(Workbench &bench, const QString &text);
void AppendLogLine(Workbench &bench, const QString &text);
