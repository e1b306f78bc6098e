#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// How paths are spelled on one platform. The program joins paths by plain
// concatenation with these separators, so the Windows spellings of the
// original tool come out letter for letter there.
struct PathStyle {
    QChar separator;          // '\\' or '/'
    QChar listSeparator;      // class-path separator: ';' or ':'
    QStringList jdkProbes;    // folders FindJdk looks at, in order
    QString defaultDojaPath;  // DOJA_PATH when the settings name none
    QString javacFileName;    // the compiler's exact file name in <jdk>/bin
    QString defaultProguardJar;  // PROGUARD_JAR when the settings name none

    static PathStyle windows();
    static PathStyle posix();
    static PathStyle native();

    // base + sep + a + sep + b ...
    QString join(const QString &base, const QStringList &pieces) const;
    // A path as Qt gives it ('/' on every platform) with this style's
    // separator, so that AppDir and what is joined to it read alike.
    QString spelled(const QString &qtPath) const;
};
