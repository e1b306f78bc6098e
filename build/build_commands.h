#pragma once

#include <QString>

struct AppSettings;
struct PathStyle;

// The command lines of the build's four tool stages and of the emulator,
// spelled with the style's separators. Tool paths and archive paths that
// carry a settings value are quoted; the class paths go in as they stand,
// since they carry their own quotes.

// Run in ProjectFolder.
QString compileCommandLine(const AppSettings &settings, const PathStyle &style);
// Run in ProjectFolder.
QString preverifyCommandLine(const AppSettings &settings, const PathStyle &style);
// Run in ProjectFolder/classes.
QString packageCommandLine(const AppSettings &settings, const PathStyle &style);
// Run in ProjectFolder/res.
QString resourceCommandLine(const AppSettings &settings, const PathStyle &style);
// Run in ProjectFolder.
QString emulatorCommandLine(const AppSettings &settings, const PathStyle &style);

// Empty when the settings that go into these lines keep their place there;
// otherwise a line naming the key. A quote in a quoted folder, or a class
// path that splits into more than one argument, would let a value pass
// arguments of its own to the tool, or start another program.
QString commandLineSettingsProblem(const AppSettings &settings);
