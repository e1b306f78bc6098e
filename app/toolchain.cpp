#include "app/toolchain.h"

#include "app/app_settings.h"

#include <QDir>
#include <QFileInfo>

QString noJdkMessage(const QString &settingsFile)
{
    return QStringLiteral("JDK1.3/1.3.1がインストールされていないか、インストール先が見つかりませんでした。\r\n"
                          "Tovra.iniファイルを編集して、JAVA_PATHにパスを指定してください。\r\n")
           + settingsFile;
}

QString FindJdk(const PathStyle &style)
{
    for (const QString &folder : style.jdkProbes) {
        const QStringList names = QDir(style.join(folder, {QStringLiteral("bin")}))
                                      .entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (names.contains(style.javacFileName, Qt::CaseSensitive))
            return folder;
    }
    return {};
}

QString defaultClassPath(const QString &dojaPath, const PathStyle &style)
{
    const QChar quote = QLatin1Char('"');
    return QLatin1Char('.') + style.listSeparator + quote
           + style.join(dojaPath, {QStringLiteral("lib"), QStringLiteral("dojaapi.jar")}) + quote;
}

namespace {

QString apiArchiveOf(const QString &dojaPath, const PathStyle &style, const QString &profile)
{
    const QString lib = QStringLiteral("lib");
    const QString name = QStringLiteral("dojaapi.jar");
    if (!profile.isEmpty()) {
        const QString own = style.join(dojaPath, {lib, QStringLiteral("profiles"), profile, name});
        if (QFileInfo(own).isFile())
            return own;
    }
    return style.join(dojaPath, {lib, name});
}

} // namespace

Toolchain Toolchain::fromSettings(const AppSettings &s, const PathStyle &style, const QString &targetProfile)
{
    const QString sdkArchive = style.join(s.DOJA_PATH, {QStringLiteral("lib"), QStringLiteral("dojaapi.jar")});
    const QString archive = apiArchiveOf(s.DOJA_PATH, style, targetProfile);
    const auto withArchive = [&](QString classPath) {
        return s.DOJA_PATH.isEmpty() ? classPath : classPath.replace(sdkArchive, archive);
    };
    const auto tool = [&style](const QString &base, const char *name) {
        return base.isEmpty() ? QString() : style.join(base, {QStringLiteral("bin"), QString::fromLatin1(name)});
    };
    return {style,
            s.JAVA_PATH,
            s.DOJA_PATH,
            withArchive(s.CLASSPATH),
            withArchive(s.BOOTCLASSPATH),
            tool(s.JAVA_PATH, "java"),
            tool(s.JAVA_PATH, "javac"),
            tool(s.JAVA_PATH, "jar"),
            tool(s.DOJA_PATH, "preverify"),
            archive,
            s.PROGUARD_JAR,
            s.PROGUARD_JAVA.isEmpty() ? tool(s.JAVA_PATH, "java") : s.PROGUARD_JAVA};
}
