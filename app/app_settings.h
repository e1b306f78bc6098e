#pragma once

#include <QString>
#include <QtGlobal>

// Everything the program remembers between runs, and the paths derived from
// it at every load. One record for the whole run, owned by SettingsStore.
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
    qint32 major = 0;
    qint32 minor = 0;

    // Derived at every load.
    QString javaPath;
    QString javacPath;
    QString jarPath;
    QString preverifyPath;
    QString ProjectFolder;
    QString SourcePath;

    bool operator==(const AppSettings &) const = default;
};
