#include "build/jam_writer.h"

#include "app/app_settings.h"
#include "app/path_style.h"

// Stub: filled in with the descriptor writer.
QString MakeJamText(const AppSettings &, const PathStyle &, const QDateTime &) { return {}; }
QString WriteJamFile(const AppSettings &, const PathStyle &, const QDateTime &) { return QStringLiteral("not written"); }
QString jamFilePath(const AppSettings &s, const PathStyle &style) { return style.join(s.ProjectFolder, {QStringLiteral("bin"), s.lastProject + QStringLiteral(".jam")}); }
