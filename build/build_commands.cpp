#include "build/build_commands.h"

#include "app/app_settings.h"
#include "app/path_style.h"

namespace {

const QChar kQuote = QLatin1Char('"');

QString quoted(const QString &text)
{
    return kQuote + text + kQuote;
}

// A folder name between separators as the Windows tools wrote it ("\src\").
QString folderPiece(const PathStyle &style, const QString &first, const QString &second)
{
    return first + style.separator + second + style.separator;
}

QString sdkFile(const AppSettings &s, const PathStyle &style, const QString &name)
{
    return style.join(s.DOJA_PATH, {QStringLiteral("lib"), name});
}

// The archive as the jar stages see it from classes or res: ../bin/<name>.jar
QString archiveFromSubfolder(const AppSettings &s, const PathStyle &style)
{
    return folderPiece(style, QStringLiteral(".."), QStringLiteral("bin")) + s.lastProject
           + QStringLiteral(".jar");
}

// Blanks outside quotes separate arguments; every quote must be closed.
bool isOneArgument(const QString &value)
{
    bool inQuotes = false;
    for (const QChar c : value) {
        if (c == kQuote)
            inQuotes = !inQuotes;
        else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t')))
            return false;
    }
    return !inQuotes;
}

} // namespace

QString commandLineSettingsProblem(const AppSettings &s)
{
    const struct {
        const char *key;
        const QString &value;
    } folders[] = {{"JAVA_PATH", s.JAVA_PATH}, {"DOJA_PATH", s.DOJA_PATH}};
    for (const auto &folder : folders) {
        if (folder.value.contains(kQuote))
            return QStringLiteral("Tovra.iniの%1の値に「\"」は使えません。%1を直してください。").arg(QLatin1String(folder.key));
    }
    const struct {
        const char *key;
        const QString &value;
    } classPaths[] = {{"CLASSPATH", s.CLASSPATH}, {"BOOTCLASSPATH", s.BOOTCLASSPATH}};
    for (const auto &classPath : classPaths) {
        if (!isOneArgument(classPath.value))
            return QStringLiteral("Tovra.iniの%1の値がひとつの引数になりません。「\"」の数と、「\"」の外の空白を確かめてください。")
                .arg(QLatin1String(classPath.key));
    }
    return {};
}

QString compileCommandLine(const AppSettings &s, const PathStyle &style)
{
    return quoted(s.javacPath)
           + QStringLiteral(" -d tmpclasses")
           + QStringLiteral(" -classpath ") + s.CLASSPATH + style.listSeparator
           + folderPiece(style, QStringLiteral("."), QStringLiteral("src"))
           + QStringLiteral(" -bootclasspath ") + s.BOOTCLASSPATH
           + QStringLiteral(" src") + style.separator + QStringLiteral("*.java");
}

QString preverifyCommandLine(const AppSettings &s, const PathStyle &style)
{
    return quoted(s.preverifyPath)
           + QStringLiteral(" -classpath tmpclasses") + style.listSeparator
           + quoted(sdkFile(s, style, QStringLiteral("dojaapi.jar")))
           + QStringLiteral(" -d classes tmpclasses");
}

QString packageCommandLine(const AppSettings &s, const PathStyle &style)
{
    return quoted(s.jarPath) + QStringLiteral(" cMf ") + archiveFromSubfolder(s, style)
           + QStringLiteral(" *");
}

QString resourceCommandLine(const AppSettings &s, const PathStyle &style)
{
    return quoted(s.jarPath) + QStringLiteral(" uMf ") + archiveFromSubfolder(s, style)
           + QStringLiteral(" *");
}

QString emulatorCommandLine(const AppSettings &s, const PathStyle &style)
{
    const QString classPath = quoted(sdkFile(s, style, QStringLiteral("dojatest.zip")))
                              + style.listSeparator
                              + quoted(sdkFile(s, style, QStringLiteral("kenv.zip")))
                              + style.listSeparator + s.CLASSPATH;
    // Each driver piece begins with a blank, so two blanks stand before the class.
    const QString driver = QStringLiteral(" com.nttdocomo.dojaemu.tests.Tester")
                           + QStringLiteral(" jam") + QStringLiteral(" phone1color");
    const QString descriptor = QStringLiteral("bin") + style.separator + s.lastProject
                               + QStringLiteral(".jam");
    return quoted(s.javaPath) + QStringLiteral(" -classpath ") + classPath
           + QStringLiteral(" -Dkvem.home=") + quoted(s.DOJA_PATH) + QStringLiteral(" ") + driver
           + QStringLiteral(" ") + descriptor;
}
