#include "app/toolchain.h"

#include "app/app_settings.h"
#include "app/path_style.h"

#include <QDir>

const char *const kNoJdkMessage =
    "JDK1.3/1.3.1がインストールされていないか、インストール先が見つかりませんでした。\r\n"
    "Tovra.iniファイルを編集して、JAVA_PATHにパスを指定してください。";

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

void deriveToolchainPaths(AppSettings &s, const PathStyle &style)
{
    const QString bin = QStringLiteral("bin");
    s.javaPath = style.join(s.JAVA_PATH, {bin, QStringLiteral("java")});
    s.javacPath = style.join(s.JAVA_PATH, {bin, QStringLiteral("javac")});
    s.ProjectFolder = style.join(s.DOJA_PATH, {QStringLiteral("apps"), s.lastProject});
    s.preverifyPath = style.join(s.DOJA_PATH, {bin, QStringLiteral("preverify")});
    s.jarPath = style.join(s.JAVA_PATH, {bin, QStringLiteral("jar")});
    s.SourcePath = style.join(s.ProjectFolder, {QStringLiteral("src"), s.lastProject + QStringLiteral(".java")});
}
