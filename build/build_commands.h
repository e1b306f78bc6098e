#pragma once

#include <QString>
#include <QStringList>

struct Toolchain;

// The command lines of the build's four tool stages and of the emulator,
// spelled with the toolchain's separators. Tool paths and archive paths that
// carry a settings value are quoted; the class paths go in as they stand,
// since they carry their own quotes. project is the project's name.

// Run in the project folder; sources are its source arguments, src/*.java
// when none are given.
QString compileCommandLine(const Toolchain &tools, const QStringList &sources = {});
// Run in the project folder; classes is the folder of classes it checks.
QString preverifyCommandLine(const Toolchain &tools, const QString &classes = QStringLiteral("tmpclasses"));
// Run in the project's classes folder.
QString packageCommandLine(const Toolchain &tools, const QString &project);
// Run in the project's res folder.
QString resourceCommandLine(const Toolchain &tools, const QString &project);
// Run in the project folder.
QString emulatorCommandLine(const Toolchain &tools, const QString &project);

// Empty when the settings that go into these lines keep their place there;
// otherwise a line naming the key. A quote in a quoted folder, or a class
// path that splits into more than one argument, would let a value pass
// arguments of its own to the tool, or start another program.
QString commandLineSettingsProblem(const Toolchain &tools);
