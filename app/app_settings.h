#pragma once

#include <QString>
#include <QtGlobal>

// What Tovra.ini holds: the keys of section Global, and the version of the
// last project from that project's own section. A value: what a save wrote,
// a load reads back equal.
struct AppSettings {
    QString lastProject;
    QString WebUrl;
    QString FtpUrl;
    QString FtpId;
    QString FtpPassword;
    QString FtpPath;
    QString JAVA_PATH;
    QString DOJA_PATH;
    QString CLASSPATH;
    QString BOOTCLASSPATH;
    QString PROGUARD_JAR;   // read only: the shrinker's archive
    QString PROGUARD_JAVA;  // read only: the java that runs it; empty: the JDK's
    qint32 major = 0;
    qint32 minor = 0;

    bool operator==(const AppSettings &) const = default;
};
