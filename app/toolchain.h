#pragma once

#include <QString>

struct AppSettings;
struct PathStyle;

// The JDK folder among the style's probes whose bin folder holds the
// compiler under exactly its name (JAVAC.EXE is not javac.exe), or empty.
QString FindJdk(const PathStyle &style);

// The default of CLASSPATH and BOOTCLASSPATH: the current folder and the
// SDK's API archive, quoted so a folder with blanks survives a command line.
QString defaultClassPath(const QString &dojaPath, const PathStyle &style);

// The tool paths and the project paths, from JAVA_PATH, DOJA_PATH and lastProject.
void deriveToolchainPaths(AppSettings &settings, const PathStyle &style);

// Shown when no JDK is known; it names the settings file the user is to edit.
QString noJdkMessage(const QString &settingsFile);
