#pragma once

#include "app/result.h"

#include <QString>

struct OpenedProject;

// The address of the web folder WebUrl names: as typed when it starts with
// its scheme (http:// or https://), else on http://.
QString webFolderAddress(const QString &webUrl);

// The download page bin/<name>.htm, naming the descriptor on the web
// folder webUrl (WebUrl).
QString MakeHtmlText(const QString &project, const QString &webUrl);
// Replaces the project's page atomically; a failure says why.
Result<> WriteHtmlFile(const OpenedProject &project, const QString &webUrl);
