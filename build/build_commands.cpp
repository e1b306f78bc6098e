#include "build/build_commands.h"

#include "app/toolchain.h"

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

QString sdkFile(const Toolchain &tools, const QString &name)
{
    return tools.style.join(tools.sdkFolder, {QStringLiteral("lib"), name});
}

// The archive as the jar stages see it from classes or res: ../bin/<name>.jar
QString archiveFromSubfolder(const Toolchain &tools, const QString &project)
{
    return folderPiece(tools.style, QStringLiteral(".."), QStringLiteral("bin")) + project + QStringLiteral(".jar");
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

QString commandLineSettingsProblem(const Toolchain &tools)
{
    struct Setting {
        const char *key;
        const QString &value;
    };
    // The folders go in quoted by the program; the class paths carry their own quotes.
    for (const Setting folder : {Setting{"JAVA_PATH", tools.jdkFolder}, Setting{"DOJA_PATH", tools.sdkFolder}}) {
        if (folder.value.contains(kQuote))
            return QStringLiteral("Tovra.iniの%1の値に「\"」は使えません。%1を直してください。").arg(QLatin1String(folder.key));
    }
    for (const Setting path : {Setting{"CLASSPATH", tools.classPath}, Setting{"BOOTCLASSPATH", tools.bootClassPath}}) {
        if (!isOneArgument(path.value))
            return QStringLiteral("Tovra.iniの%1の値がひとつの引数になりません。「\"」の数と、「\"」の外の空白を確かめてください。")
                .arg(QLatin1String(path.key));
    }
    return {};
}

QString compileCommandLine(const Toolchain &tools, const QStringList &sources)
{
    const QStringList arguments = sources.isEmpty() ? QStringList{QStringLiteral("src") + tools.style.separator + QStringLiteral("*.java")} : sources;
    const PathStyle &style = tools.style;
    return quoted(tools.javac)
           + QStringLiteral(" -d tmpclasses")
           + QStringLiteral(" -classpath ") + tools.classPath + style.listSeparator
           + folderPiece(style, QStringLiteral("."), QStringLiteral("src"))
           + QStringLiteral(" -bootclasspath ") + tools.bootClassPath
           + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
}

QString preverifyCommandLine(const Toolchain &tools, const QString &classes)
{
    return quoted(tools.preverify)
           + QStringLiteral(" -classpath ") + classes + tools.style.listSeparator
           + quoted(tools.apiArchive)
           + QStringLiteral(" -d classes ") + classes;
}

QString packageCommandLine(const Toolchain &tools, const QString &project)
{
    return quoted(tools.jar) + QStringLiteral(" cMf ") + archiveFromSubfolder(tools, project) + QStringLiteral(" *");
}

QString resourceCommandLine(const Toolchain &tools, const QString &project)
{
    return quoted(tools.jar) + QStringLiteral(" uMf ") + archiveFromSubfolder(tools, project) + QStringLiteral(" *");
}

QString emulatorCommandLine(const Toolchain &tools, const QString &project)
{
    const PathStyle &style = tools.style;
    const QString classPath = quoted(sdkFile(tools, QStringLiteral("dojatest.zip")))
                              + style.listSeparator
                              + quoted(sdkFile(tools, QStringLiteral("kenv.zip")))
                              + style.listSeparator + tools.classPath;
    // Each driver piece begins with a blank, so two blanks stand before the class.
    const QString driver = QStringLiteral(" com.nttdocomo.dojaemu.tests.Tester")
                           + QStringLiteral(" jam") + QStringLiteral(" phone1color");
    const QString descriptor = QStringLiteral("bin") + style.separator + project + QStringLiteral(".jam");
    return quoted(tools.java) + QStringLiteral(" -classpath ") + classPath
           + QStringLiteral(" -Dkvem.home=") + quoted(tools.sdkFolder) + QStringLiteral(" ") + driver
           + QStringLiteral(" ") + descriptor;
}
