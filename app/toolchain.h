#pragma once

#include "app/path_style.h"

#include <QString>

struct AppSettings;

// The JDK's and the SDK's tools as the settings name them, and the class
// paths the tools are given, spelled in one path style: derived once from
// the settings for each action that runs a tool. A tool whose folder is not
// set has no path: on an empty base it would name the machine's own tools
// (/bin/javac).
struct Toolchain {
    PathStyle style;
    QString jdkFolder;      // JAVA_PATH
    QString sdkFolder;      // DOJA_PATH
    QString classPath;      // CLASSPATH
    QString bootClassPath;  // BOOTCLASSPATH
    QString java;
    QString javac;
    QString jar;
    QString preverify;
    QString apiArchive;     // the SDK's DoJa API archive the tools are given
    QString proguardJar;    // PROGUARD_JAR; empty when none is known
    QString proguardJava;   // PROGUARD_JAVA, else the JDK's java

    // With a target profile, the SDK's archive of that profile where the SDK
    // has one (lib/profiles/<profile>/dojaapi.jar) stands for its
    // lib/dojaapi.jar, in the class paths too; an SDK with one archive keeps it.
    static Toolchain fromSettings(const AppSettings &settings, const PathStyle &style,
                                  const QString &targetProfile = QString());
};

// The JDK folder among the style's probes whose bin folder holds the
// compiler under exactly its name (JAVAC.EXE is not javac.exe), or empty.
QString FindJdk(const PathStyle &style);

// The default of CLASSPATH and BOOTCLASSPATH: the current folder and the
// SDK's API archive, quoted so a folder with blanks survives a command line.
QString defaultClassPath(const QString &dojaPath, const PathStyle &style);

// Shown when no JDK is known; it names the settings file the user is to edit.
QString noJdkMessage(const QString &settingsFile);
