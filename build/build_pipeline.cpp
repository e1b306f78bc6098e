#include "build/build_pipeline.h"

#include "app/action_progress.h"
#include "app/clock.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/source_document.h"
#include "app/toolchain.h"
#include "app/workbench.h"
#include "build/build_commands.h"
#include "build/build_folders.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/descriptor_edits.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "build/log_output.h"
#include "build/shrink_step.h"

#include <QFileInfo>
#include <algorithm>

namespace {

class Build
{
public:
    Build(Services &services, OpenedProject &project)
        : m_services(services)
        , m_bench(services.bench)
        , m_project(project)
        , m_paths(project.paths)
    {
    }

    BuildOutcome run();

private:
    bool prepareFolders();
    bool settingsReady();
    bool compile();
    void logStaleClasses();
    bool shrink();
    bool preverify();
    bool package();
    bool addResources();
    bool writeProducts();
    void logBudget();
    bool failCompile();
    void logCompilerOutput(const QString &output, const QString &heldBack, int firstLine);
    CommandResult runTool(const QString &line, const QString &folder);
    void logJarFailure(const CommandResult &run);

    Services &m_services;
    Workbench &m_bench;
    OpenedProject &m_project;
    const ProjectPaths &m_paths;
    Toolchain m_tools;
    QStringList m_removedClasses;
    std::unique_ptr<CommandRunner> m_runner;
    bool m_stopped = false;
    std::optional<ShrinkOutcome> m_shrunk;
    BuildOutcome m_outcome;
};

BuildOutcome Build::run()
{
    m_bench.clearLog();
    // Compiling the file on disk would build what the user does not see.
    if (m_services.document.save(m_paths.sourceFile()) == SaveOutcome::Failed) {
        failCompile();
        return m_outcome;
    }
    AppendLog(m_bench, kCrLf);
    m_services.progress.toolStarting();

    // No tool has run when these fail, so Run stays as the last build or
    // opening left it.
    if (!prepareFolders())
        return m_outcome;
    if (!settingsReady() || !compile())
        return m_outcome;
    m_outcome.compiled = true;
    logStaleClasses();
    if (shrinksClasses(m_project.settings) && !shrink())
        return m_outcome;
    // A failed later stage is logged and the build goes on, as the tools'
    // users expect; only the result (the exit code without a window) says
    // that not everything worked. A tool the user stopped ends the build.
    bool complete = preverify();
    if (m_stopped)
        return m_outcome;
    const bool packed = package();
    complete = packed && complete;
    if (m_stopped)
        return m_outcome;
    if (holdsVisibleFile(m_paths.resourceFolder())) {
        complete = addResources() && complete;
        if (m_stopped)
            return m_outcome;
    }
    if (!QFileInfo(m_paths.archive()).isFile()) {
        // A jar that says it worked is not believed without its archive.
        if (packed)
            AppendLogLine(m_bench, m_paths.archive() + QStringLiteral("が作られませんでした。"));
        complete = false;
    }
    complete = writeProducts() && complete;
    AppendLogLine(m_bench, kBuildSucceeded);
    logBudget();
    m_outcome.complete = complete;
    return m_outcome;
}

bool Build::prepareFolders()
{
    if (const QString missing = PrepareBuildFolders(m_paths); !missing.isEmpty()) {
        AppendLogLine(m_bench, missing + kFolderNotCreated);
        return false;
    }
    // A class the source no longer defines must not stay in the archive.
    const Result<QStringList> removed = removeClassFiles(m_paths);
    if (!removed) {
        AppendLogLine(m_bench, removed.error());
        return false;
    }
    m_removedClasses = *removed;
    return true;
}

// The settings file is the descriptor's one source: values typed into the
// old descriptor are taken first, so the compiler already uses the profile
// they name; a value a handset could not read stops the build here.
bool Build::settingsReady()
{
    for (const QString &line : takeHandEdits(m_services.store, m_project))
        AppendLogLine(m_bench, line);
    if (const QString problem = unusableSettingsLine(m_services.store, m_project); !problem.isEmpty()) {
        AppendLogLine(m_bench, problem);
        return failCompile();
    }
    m_tools = Toolchain::fromSettings(m_services.store.settings(), m_services.store.style(),
                                      m_project.settings.TargetProfile);
    return true;
}

// Only a class the source stopped making is worth a word.
void Build::logStaleClasses()
{
    QStringList stale = m_removedClasses;
    for (const QString &made : compiledClassFiles(m_paths))
        stale.removeAll(made);
    if (!stale.isEmpty())
        AppendLogLine(m_bench, QStringLiteral("前回のビルドのクラスファイルを削除しました: ") + stale.join(QStringLiteral("、")));
}

bool Build::failCompile()
{
    AppendLogLine(m_bench, kCompileFailed);
    m_outcome.compiled = false;
    return false;
}

// Every tool after the compiler may be stopped by the user, which ends the build.
CommandResult Build::runTool(const QString &line, const QString &folder)
{
    const CommandResult run = m_runner->RunCommand(line, folder);
    m_stopped = run.stopped;
    return run;
}

// JDK 1.3's javac prints these on a compile that wrote its classes.
bool holdsOnlyCompilerNotes(const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return std::all_of(lines.cbegin(), lines.cend(),
                       [](const QString &line) { return line.startsWith(QLatin1String("Note: ")); });
}

bool Build::compile()
{
    if (!hasTool(m_bench, m_tools.javac, kNoJdk))
        return failCompile();
    if (const QString problem = commandLineSettingsProblem(m_tools); !problem.isEmpty()) {
        AppendLogLine(m_bench, problem);
        return failCompile();
    }
    const QString line = compileCommandLine(m_tools);
    AppendLogLine(m_bench, line);
    m_runner = m_services.runners.CreateCommandRunner();
    if (!m_runner) {
        AppendLogLine(m_bench, kNoRunner);
        return false;
    }
    // The errors are counted in the log's lines, from where the output lands.
    OutputLogUntilVerdict live(m_bench);
    const CommandResult run = m_runner->RunCommand(line, m_paths.folder(), live.sink());
    if (run.result == 0 && holdsOnlyCompilerNotes(run.output) && !run.stopped) {
        if (!live.heldBack().isEmpty())
            AppendLog(m_bench, withCrLfLines(live.heldBack()));
        return true;
    }
    logCompilerOutput(run.output, live.heldBack(), live.firstLine());
    return failCompile();
}

// The output up to what was held back is in the log already.
void Build::logCompilerOutput(const QString &output, const QString &heldBack, int firstLine)
{
    AppendLog(m_bench, NormalizeOutput(heldBack) + kCrLf);
    m_outcome.errors = parseCompilerOutput(output);
    for (CompilerMessage &error : m_outcome.errors) {
        error.firstOutputLine += firstLine;
        error.lastOutputLine += firstLine;
    }
}

bool Build::shrink()
{
    m_shrunk = shrinkClasses(m_bench, *m_runner, m_tools, m_paths);
    m_stopped = m_shrunk->stopped;
    return m_shrunk->done;
}

bool Build::preverify()
{
    if (!hasTool(m_bench, m_tools.preverify, kNoSdk))
        return false;
    const QString line = m_shrunk ? preverifyCommandLine(m_tools, QStringLiteral("shrunkclasses"))
                                  : preverifyCommandLine(m_tools);
    const CommandResult run = runTool(line, m_paths.folder());
    if (CommandSucceeded(run))
        return true;
    AppendLog(m_bench, line + kCrLf + kPreverifyFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
    return false;
}

bool Build::package()
{
    const CommandResult run = runTool(packageCommandLine(m_tools, m_project.name), m_paths.classesFolder());
    if (CommandSucceeded(run))
        return true;
    logJarFailure(run);
    return false;
}

bool Build::addResources()
{
    const CommandResult run = runTool(resourceCommandLine(m_tools, m_project.name), m_paths.resourceFolder());
    if (CommandSucceeded(run)) {
        AppendLogLine(m_bench, kJarSaved + m_paths.archive());
        return true;
    }
    logJarFailure(run);
    return false;
}

bool Build::writeProducts()
{
    const QString jam = m_paths.descriptor();
    const Result<> jamWritten = WriteJamFile(m_project, m_services.clock.now());
    if (jamWritten) {
        AppendLogLine(m_bench, kJamSaved + jam);
        for (const QString &line : recordWrittenDescriptor(m_services.store, m_project))
            AppendLogLine(m_bench, line);
    } else
        AppendLogLine(m_bench, jam + kNotSaved + kCrLf + jamWritten.error());

    const QString html = m_paths.page();
    const Result<> htmlWritten = WriteHtmlFile(m_project, m_services.store.settings().WebUrl);
    if (htmlWritten)
        AppendLogLine(m_bench, kHtmlSaved + html);
    else
        AppendLogLine(m_bench, html + kNotSaved + kCrLf + htmlWritten.error());
    return jamWritten && htmlWritten;
}

void Build::logBudget()
{
    const QFileInfo archive(m_paths.archive());
    if (!archive.isFile())
        return;
    const ProjectSettings &settings = m_project.settings;
    if (m_shrunk)
        AppendLogLine(m_bench, shrinkGainLine(m_shrunk->before, m_shrunk->after));
    m_outcome.budget = handsetBudget(archive.size(), scratchpadSizes(settings.SPsize), settings.TargetProfile);
    // Without a target there is no limit to tell, unless the size was worked
    // on; the status bar still shows it.
    if (settings.TargetProfile.isEmpty() && !m_shrunk)
        return;
    for (const BudgetLine &line : std::as_const(m_outcome.budget))
        AppendLogLine(m_bench, line.text);
}

void Build::logJarFailure(const CommandResult &run)
{
    AppendLog(m_bench, kJarFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
}

} // namespace

BuildOutcome Compile_Click(Services &services, OpenedProject &project)
{
    const ActionUnderWay underWay(services.progress, ActionKind::Build);
    return Build(services, project).run();
}
