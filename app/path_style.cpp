#include "app/path_style.h"

#include <QDir>

PathStyle PathStyle::windows()
{
    return {QLatin1Char('\\'), QLatin1Char(';'),
            {QStringLiteral("c:\\jdk1.3.1"), QStringLiteral("c:\\jdk1.3")},
            QStringLiteral("C:\\j2mewsdk4doja"), QStringLiteral("javac.exe"), QString()};
}

PathStyle PathStyle::posix()
{
    return {QLatin1Char('/'), QLatin1Char(':'),
            {QStringLiteral("/usr/java/jdk1.3.1"), QStringLiteral("/usr/java/jdk1.3")},
            QDir::homePath() + QStringLiteral("/j2mewsdk4doja"), QStringLiteral("javac"),
            // Where Debian's proguard-cli puts it.
            QStringLiteral("/usr/share/java/proguard.jar")};
}

PathStyle PathStyle::native()
{
#ifdef Q_OS_WIN
    return windows();
#else
    return posix();
#endif
}

QString PathStyle::join(const QString &base, const QStringList &pieces) const
{
    QString result = base;
    for (const QString &piece : pieces)
        result += separator + piece;
    return result;
}

QString PathStyle::spelled(const QString &qtPath) const
{
    QString path = qtPath;
    return path.replace(QLatin1Char('/'), separator);
}
