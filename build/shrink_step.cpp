#include "build/shrink_step.h"

#include "app/line_ends.h"
#include "app/project_paths.h"
#include "app/project_settings.h"
#include "app/toolchain.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/log_output.h"
#include "build/stack_trace_mapping.h"
#include "app/code_page.h"
#include "app/text_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

const QChar kQuote = QLatin1Char('"');
const QChar kSingleQuote = QLatin1Char('\'');

QString quoted(const QString &text)
{
    return kQuote + text + kQuote;
}

// ProGuard splits each of its arguments into words at blanks unless the
// word is in single quotes; the double quotes keep the argument whole on
// its way to the tool.
QString proguardPath(const QString &path)
{
    return quoted(kSingleQuote + path + kSingleQuote);
}

QString notFound(const QString &what)
{
    return QStringLiteral("ProGuardが見つかりません(%1)。Tovra.iniのPROGUARD_JARにproguard.jarのパスを指定してください。")
        .arg(what);
}

bool emptied(const QString &folder)
{
    QDir dir(folder);
    return (!dir.exists() || dir.removeRecursively()) && QDir().mkdir(folder);
}

} // namespace

bool shrinksClasses(const ProjectSettings &settings)
{
    return settings.Shrink == QLatin1String("On");
}

QString shrinkCommandLine(const Toolchain &tools, const QString &project)
{
    const QString map = QStringLiteral("bin") + tools.style.separator + project + QStringLiteral(".map");
    return quoted(tools.proguardJava) + QStringLiteral(" -jar ") + quoted(tools.proguardJar)
           + QStringLiteral(" -injars tmpclasses -outjars shrunkclasses")
           + QStringLiteral(" -libraryjars ") + proguardPath(tools.apiArchive)
           // The build's own preverifier follows.
           + QStringLiteral(" -microedition -dontpreverify")
           + QStringLiteral(" -overloadaggressively -repackageclasses -allowaccessmodification")
           // a.class and A.class would be one file where case is not told apart.
           + QStringLiteral(" -dontusemixedcaseclassnames")
           + QStringLiteral(" -printmapping ") + map
           + QStringLiteral(" -keep public class ") + project + QStringLiteral(" { public <init>(); }");
}

Result<> shrinkToolReady(const Toolchain &tools)
{
    if (tools.proguardJar.isEmpty())
        return Result<>::failure(notFound(QStringLiteral("PROGUARD_JARが空です")));
    for (const auto &[key, value] : {std::pair{"PROGUARD_JAR", tools.proguardJar},
                                     std::pair{"PROGUARD_JAVA", tools.proguardJava}}) {
        if (value.contains(kQuote))
            return Result<>::failure(QStringLiteral("Tovra.iniの%1の値に「\"」は使えません。%1を直してください。").arg(QLatin1String(key)));
    }
    if (!QFileInfo(tools.proguardJar).isFile())
        return Result<>::failure(notFound(tools.proguardJar));
    if (tools.apiArchive.contains(kSingleQuote) || tools.apiArchive.contains(kQuote))
        return Result<>::failure(QStringLiteral("DoJa APIのパス%1には「'」があるため、ProGuardに渡せません。").arg(tools.apiArchive));
    return Result<>::success();
}

qint64 classBytes(const QString &folder)
{
    qint64 total = 0;
    QDirIterator files(folder, {QStringLiteral("*.class")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        total += files.nextFileInfo().size();
    return total;
}

ShrinkOutcome shrinkClasses(SessionEvents &events, CommandRunner &runner, const Toolchain &tools, const ProjectPaths &paths)
{
    ShrinkOutcome outcome;
    if (const Result<> ready = shrinkToolReady(tools); !ready) {
        AppendLogLine(events, ready.error());
        AppendLogLine(events, kShrinkFailed);
        return outcome;
    }
    if (!emptied(paths.shrunkFolder())) {
        AppendLogLine(events, paths.shrunkFolder() + kFolderNotEmptied);
        AppendLogLine(events, kShrinkFailed);
        return outcome;
    }
    const QString line = shrinkCommandLine(tools, paths.name());
    logCommand(events, line);
    const CommandResult run = runner.RunCommand(line, paths.folder());
    outcome.stopped = run.stopped;
    // ProGuard ends with 0 on success; what it prints then is its progress.
    if (run.result != 0 || run.stopped) {
        AppendLog(events, NormalizeOutput(run.output) + kCrLf);
        AppendLogLine(events, kShrinkFailed);
        return outcome;
    }
    outcome.done = true;
    outcome.before = classBytes(paths.compiledFolder());
    outcome.after = classBytes(paths.shrunkFolder());
    return outcome;
}

QStringList restoredTraceLines(const ProjectSettings &settings, const ProjectPaths &paths, const QString &output)
{
    if (!shrinksClasses(settings) || !output.contains(QStringLiteral("\tat ")))
        return {};
    const QString mapFile = paths.shrinkMap();
    const Result<QByteArray> bytes = readWholeFile(mapFile);
    if (!bytes)
        return {mapFile + QStringLiteral("を読めないため、スタックトレースを縮小前の名前に戻せませんでした。"), bytes.error()};
    // Java writes the map in its default encoding: UTF-8 on Debian's, the
    // code page on an older one under Windows.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(*bytes);
    if (utf8.hasError())
        text = fromCodePage(*bytes);
    const QStringList traces = restoredStackTraces(parseShrinkMap(text), output);
    if (traces.isEmpty())
        return {};
    return QStringList{QStringLiteral("縮小前の名前に戻したスタックトレース(%1):").arg(mapFile)} + traces;
}
