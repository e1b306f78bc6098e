#include "build/build_pipeline.h"

#include "app/clock.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/project_files.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/source_document.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_folders.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/descriptor_edits.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "build/log_output.h"
#include "build/session_events.h"
#include "build/shrink_step.h"

#include <QFileInfo>
#include <algorithm>

namespace {

class Build
{
public:
    Build(Services &services, OpenedProject &project)
        : m_services(services)
        , m_events(services.events)
        , m_project(project)
        , m_paths(project.paths)
    {
    }

    BuildOutcome run();
    bool complete() const { return m_complete; }

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
    void logCompilerOutput(const QString &output, const QString &heldBack);
    CommandResult runTool(const QString &line, const QString &folder);
    void logJarFailure(const CommandResult &run);

    Services &m_services;
    SessionEvents &m_events;
    OpenedProject &m_project;
    const ProjectPaths &m_paths;
    Toolchain m_tools;
    QStringList m_removedClasses;
    std::unique_ptr<CommandRunner> m_runner;
    bool m_stopped = false;
    std::optional<ShrinkOutcome> m_shrunk;
    BuildOutcome m_outcome;
    bool m_complete = false;
};

BuildOutcome Build::run()
{
    m_events.report(SessionEvents::LogCleared{});
    // Compiling the file on disk would build what the user does not see.
    if (!saveAllSources(m_services, m_project)) {
        failCompile();
        return m_outcome;
    }
    AppendLog(m_events, kCrLf);
    m_events.report(SessionEvents::Progress{ActionKind::Build, SessionEvents::Progress::Stage::ToolStarting});

    // No tool has run when these fail, so Run stays as the last build or
    // opening left it.
    if (!prepareFolders())
        return m_outcome;
    if (!settingsReady() || !compile())
        return m_outcome;
    m_outcome.compile = CompileStage::Passed;
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
            AppendLogLine(m_events, m_paths.archive() + QStringLiteral("が作られませんでした。"));
        complete = false;
    }
    complete = writeProducts() && complete;
    AppendLogLine(m_events, kBuildSucceeded);
    logBudget();
    m_complete = complete;
    return m_outcome;
}

bool Build::prepareFolders()
{
    if (const Result<> prepared = PrepareBuildFolders(m_paths); !prepared) {
        AppendLogLine(m_events, prepared.error());
        return false;
    }
    // A class the source no longer defines must not stay in the archive.
    const Result<QStringList> removed = removeClassFiles(m_paths);
    if (!removed) {
        AppendLogLine(m_events, removed.error());
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
    const auto logLine = [this](const QString &line) { AppendLogLine(m_events, line); };
    if (const Result<> ready = settingsReadyForDescriptor(m_services.store, m_project, logLine); !ready) {
        AppendLogLine(m_events, ready.error());
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
        AppendLogLine(m_events, QStringLiteral("前回のビルドのクラスファイルを削除しました: ") + stale.join(QStringLiteral("、")));
}

bool Build::failCompile()
{
    AppendLogLine(m_events, kCompileFailed);
    m_outcome.compile = CompileStage::Failed;
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
    if (const Result<> ready = toolReady(m_tools, m_tools.javac, kNoJdk); !ready) {
        AppendLogLine(m_events, ready.error());
        return failCompile();
    }
    const QString line = compileCommandLine(m_tools, sourceWildcards(projectSourceFiles(m_paths.sourceFolder()), m_tools.style));
    logCommand(m_events, line);
    m_runner = m_services.runners.CreateCommandRunner();
    if (!m_runner) {
        AppendLogLine(m_events, kNoRunner);
        return false;
    }
    OutputLogUntilVerdict live(m_events);
    const CommandResult run = m_runner->RunCommand(line, m_paths.folder(), live.sink());
    if (run.result == 0 && holdsOnlyCompilerNotes(run.output) && !run.stopped) {
        if (!live.heldBack().isEmpty())
            m_events.report(SessionEvents::ToolOutput{withCrLfLines(live.heldBack())});
        return true;
    }
    logCompilerOutput(run.output, live.heldBack());
    return failCompile();
}

// The output up to what was held back is in the log already.
void Build::logCompilerOutput(const QString &output, const QString &heldBack)
{
    if (!heldBack.isEmpty())
        m_events.report(SessionEvents::ToolOutput{NormalizeOutput(heldBack)});
    AppendLog(m_events, kCrLf);
    for (const CompilerMessage &error : parseCompilerOutput(output))
        m_events.report(SessionEvents::Diagnostic{error});
}

bool Build::shrink()
{
    m_shrunk = shrinkClasses(m_events, *m_runner, m_tools, m_paths);
    m_stopped = m_shrunk->stopped;
    return m_shrunk->done;
}

bool Build::preverify()
{
    if (const Result<> ready = toolReady(m_tools, m_tools.preverify, kNoSdk); !ready) {
        AppendLogLine(m_events, ready.error());
        return false;
    }
    const QString line = m_shrunk ? preverifyCommandLine(m_tools, QStringLiteral("shrunkclasses"))
                                  : preverifyCommandLine(m_tools);
    const CommandResult run = runTool(line, m_paths.folder());
    if (CommandSucceeded(run))
        return true;
    AppendLog(m_events, line + kCrLf + kPreverifyFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
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
        AppendLogLine(m_events, kJarSaved + m_paths.archive());
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
        AppendLogLine(m_events, kJamSaved + jam);
        if (const Result<> recorded = recordWrittenDescriptor(m_services.store, m_project); !recorded)
            AppendLogLine(m_events, recorded.error());
    } else
        AppendLogLine(m_events, jam + kNotSaved + kCrLf + jamWritten.error());

    const QString html = m_paths.page();
    const Result<> htmlWritten = WriteHtmlFile(m_project, m_services.store.settings().WebUrl);
    if (htmlWritten)
        AppendLogLine(m_events, kHtmlSaved + html);
    else
        AppendLogLine(m_events, html + kNotSaved + kCrLf + htmlWritten.error());
    return jamWritten && htmlWritten;
}

void Build::logBudget()
{
    const QFileInfo archive(m_paths.archive());
    if (!archive.isFile())
        return;
    const ProjectSettings &settings = m_project.settings;
    if (m_shrunk)
        AppendLogLine(m_events, shrinkGainLine(m_shrunk->before, m_shrunk->after));
    m_outcome.budget = handsetBudget(archive.size(), scratchpadSizes(settings.SPsize), settings.TargetProfile);
    // Without a target there is no limit to tell, unless the size was worked
    // on; the status bar still shows it.
    if (settings.TargetProfile.isEmpty() && !m_shrunk)
        return;
    for (const BudgetLine &line : std::as_const(m_outcome.budget))
        AppendLogLine(m_events, line.text);
}

void Build::logJarFailure(const CommandResult &run)
{
    AppendLog(m_events, kJarFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
}

} // namespace

BuildOutcome Compile_Click(Services &services, OpenedProject &project)
{
    ActionUnderWay underWay(services.events, ActionKind::Build);
    Build build(services, project);
    const BuildOutcome outcome = build.run();
    underWay.succeeded(build.complete());
    return outcome;
}
