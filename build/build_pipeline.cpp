#include "build/build_pipeline.h"

#include "app/clock.h"
#include "app/line_ends.h"
#include "app/project_paths.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/workbench.h"
#include "build/build_commands.h"
#include "build/build_folders.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "build/log_output.h"
#include "ui/source_text.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The busy cursor for the whole build, restored on every way out.
class BusyCursor
{
public:
    explicit BusyCursor(Workbench &bench) : m_bench(bench) { m_bench.setBusyCursor(); }
    ~BusyCursor() { m_bench.restoreCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    Workbench &m_bench;
};

class Build
{
public:
    explicit Build(Services &services)
        : m_services(services)
        , m_bench(services.bench)
        , m_settings(services.store.settings())
        , m_style(services.store.style())
    {
    }

    bool run();

private:
    bool compile();
    bool preverify();
    bool package();
    bool addResources();
    bool writeProducts();
    bool failCompile();
    CommandResult runTool(const QString &line, const QString &folder);
    void logJarFailure(const CommandResult &run);
    ProjectPaths paths() const { return ProjectPaths::current(m_settings, m_style); }

    Services &m_services;
    Workbench &m_bench;
    const AppSettings &m_settings;
    PathStyle m_style;
    std::unique_ptr<CommandRunner> m_runner;
    bool m_stopped = false;
};

bool Build::run()
{
    m_bench.clearLog();
    const SaveOutcome saved = SaveSource(m_services);
    // The save puts the default pointer back; the tools are still to run.
    m_bench.setBusyCursor();
    // Compiling the file on disk would build what the user does not see.
    if (saved == SaveOutcome::Failed)
        return failCompile();
    AppendLog(m_bench, kCrLf);
    m_bench.processEvents();

    const QString missing = PrepareBuildFolders(m_settings, m_style);
    if (!missing.isEmpty()) {
        // No tool has run, so CanRun keeps what the last build or opening left.
        AppendLogLine(m_bench, missing + kFolderNotCreated);
        return false;
    }
    if (!compile())
        return false;
    m_bench.flags().CanRun = true;
    // A failed later stage is logged and the build goes on, as the tools'
    // users expect; only the result (the exit code without a window) says
    // that not everything worked. A tool the user stopped ends the build.
    bool complete = preverify();
    if (m_stopped)
        return false;
    complete = package() && complete;
    if (m_stopped)
        return false;
    if (holdsVisibleFile(paths().resourceFolder())) {
        complete = addResources() && complete;
        if (m_stopped)
            return false;
    }
    complete = QFileInfo(paths().archive()).isFile() && complete;
    complete = writeProducts() && complete;
    AppendLogLine(m_bench, kBuildSucceeded);
    return complete;
}

bool Build::failCompile()
{
    AppendLogLine(m_bench, kCompileFailed);
    m_bench.flags().CanRun = false;
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
    if (!HasTool(m_bench, m_settings.javacPath, kNoJdk))
        return failCompile();
    if (const QString problem = commandLineSettingsProblem(m_settings); !problem.isEmpty()) {
        AppendLogLine(m_bench, problem);
        return failCompile();
    }
    const QString line = compileCommandLine(m_settings, m_style);
    AppendLogLine(m_bench, line);
    m_runner = m_services.runners.CreateCommandRunner();
    if (!m_runner) {
        AppendLogLine(m_bench, kNoRunner);
        return false;
    }
    const CommandResult run = m_runner->RunCommand(line, paths().folder());
    if (run.result == 0 && holdsOnlyCompilerNotes(run.output) && !run.stopped) {
        if (!run.output.isEmpty())
            AppendLog(m_bench, withCrLfLines(run.output));
        return true;
    }
    AppendLog(m_bench, NormalizeOutput(run.output) + kCrLf);
    return failCompile();
}

bool Build::preverify()
{
    if (!HasTool(m_bench, m_settings.preverifyPath, kNoSdk))
        return false;
    const QString line = preverifyCommandLine(m_settings, m_style);
    const CommandResult run = runTool(line, paths().folder());
    if (CommandSucceeded(run))
        return true;
    AppendLog(m_bench, line + kCrLf + kPreverifyFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
    return false;
}

bool Build::package()
{
    const CommandResult run = runTool(packageCommandLine(m_settings, m_style), paths().classesFolder());
    if (CommandSucceeded(run))
        return true;
    logJarFailure(run);
    return false;
}

bool Build::addResources()
{
    const CommandResult run = runTool(resourceCommandLine(m_settings, m_style), paths().resourceFolder());
    if (CommandSucceeded(run)) {
        AppendLogLine(m_bench, kJarSaved + paths().archive());
        return true;
    }
    logJarFailure(run);
    return false;
}

bool Build::writeProducts()
{
    const QString jam = paths().descriptor();
    const Result<> jamWritten = WriteJamFile(m_settings, m_style, m_services.clock.now());
    if (jamWritten)
        AppendLogLine(m_bench, kJamSaved + jam);
    else
        AppendLogLine(m_bench, jam + kNotSaved + kCrLf + jamWritten.error());

    const QString html = paths().page();
    const Result<> htmlWritten = WriteHtmlFile(m_settings, m_style);
    if (htmlWritten)
        AppendLogLine(m_bench, kHtmlSaved + html);
    else
        AppendLogLine(m_bench, html + kNotSaved + kCrLf + htmlWritten.error());
    return jamWritten && htmlWritten;
}

void Build::logJarFailure(const CommandResult &run)
{
    AppendLog(m_bench, kJarFailed + kCrLf + NormalizeOutput(run.output) + kCrLf);
}

} // namespace

bool Compile_Click(Services &services)
{
    const BusyCursor busy(services.bench);
    if (!services.bench.flags().ProjectLoaded)
        return false;
    return Build(services).run();
}
