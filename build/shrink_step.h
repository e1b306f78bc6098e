#pragma once

#include "app/result.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class CommandRunner;
class ProjectPaths;
class SessionEvents;
struct ProjectSettings;
struct Toolchain;

// Whether the project's classes are shrunk before they are packed.
bool shrinksClasses(const ProjectSettings &settings);

// ProGuard's command line, run in the project folder: the compiler's classes
// of tmpclasses, shrunk, optimised and renamed into the default package, go
// to shrunkclasses; the application's class keeps its name and the
// constructor the emulator calls; the names given are written to
// bin/<project>.map. Everything goes on the command line, so no file of
// ours has to be read in a code page the tool may not share.
QString shrinkCommandLine(const Toolchain &tools, const QString &project);

// Whether ProGuard can be run; the failure is the line that says why not
// (no archive named or none there, or a value the line cannot carry).
Result<> shrinkToolReady(const Toolchain &tools);

// The bytes of the class files in a folder and its subfolders.
qint64 classBytes(const QString &folder);

struct ShrinkOutcome {
    bool done = false;
    bool stopped = false;  // the user ended the tool
    qint64 before = 0;     // class bytes the compiler wrote
    qint64 after = 0;      // class bytes ProGuard wrote
};

// The step between the compiler and the preverifier: logs ProGuard's
// command line, runs it, and on failure logs its output and the line that
// the build stopped. shrunkclasses is emptied first, so no class of an
// earlier build is packed.
ShrinkOutcome shrinkClasses(SessionEvents &events, CommandRunner &runner, const Toolchain &tools,
                            const ProjectPaths &paths);

// For a Run of a project that shrinks: the log lines that give the stack
// traces of the emulator's output with the names bin/<name>.map restores,
// under a line naming the map; a line saying the map cannot be read when a
// trace needs it. None when nothing is to be restored.
QStringList restoredTraceLines(const ProjectSettings &settings, const ProjectPaths &paths, const QString &output);

inline const QString kShrinkFailed = QStringLiteral("クラスの縮小に失敗しました。");
