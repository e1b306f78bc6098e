#include "build/html_writer.h"

#include "app/app_settings.h"
#include "app/path_style.h"

// Stub: filled in with the page writer.
QString MakeHtmlText(const AppSettings &) { return {}; }
QString WriteHtmlFile(const AppSettings &, const PathStyle &) { return QStringLiteral("not written"); }
QString htmlFilePath(const AppSettings &s, const PathStyle &style) { return style.join(s.ProjectFolder, {QStringLiteral("bin"), s.lastProject + QStringLiteral(".htm")}); }
