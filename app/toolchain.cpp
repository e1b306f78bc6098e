#include "app/toolchain.h"

#include "app/app_settings.h"
#include "app/path_style.h"
#include "app/project_paths.h"

#include <QDir>

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

void deriveToolchainPaths(AppSettings &s, const PathStyle &style)
{
    // A tool path on an empty base would name the machine's own tools
    // (/bin/javac): no base, no path, and the stage says so.
    const auto tool = [&style](const QString &base, const char *name) {
        return base.isEmpty() ? QString() : style.join(base, {QStringLiteral("bin"), QString::fromLatin1(name)});
    };
    s.javaPath = tool(s.JAVA_PATH, "java");
    s.javacPath = tool(s.JAVA_PATH, "javac");
    s.preverifyPath = tool(s.DOJA_PATH, "preverify");
    s.jarPath = tool(s.JAVA_PATH, "jar");
    const ProjectPaths project = ProjectPaths::current(s, style);
    s.ProjectFolder = project.folder();
    s.SourcePath = project.sourceFile();
}
