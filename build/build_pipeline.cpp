#include "build/build_pipeline.h"

#include "app/clock.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "build/build_commands.h"
#include "build/build_folders.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "build/log_output.h"
#include "ui/source_text.h"
#include "ui/workbench.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

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
    void preverify();
    void package();
    void addResources();
    void writeProducts();
    void logJarFailure(const CommandResult &run);
    QString projectSubfolder(const QString &name) const;

    Services &m_services;
    Workbench &m_bench;
    const AppSettings &m_settings;
    PathStyle m_style;
    std::unique_ptr<CommandRunner> m_runner;
};

bool Build::run()
{
    m_bench.clearLog();
    SaveSource(m_services);
    // The save puts the default pointer back; the tools are still to run.
    m_bench.setBusyCursor();
    AppendLog(m_bench, kCrLf);
    m_bench.processEvents();

    const QString missing = PrepareBuildFolders(m_settings, m_style);
    if (!missing.isEmpty()) {
        // No tool has run, so CanRun keeps what the last build or opening left.
        AppendLogLine(m_bench, missing + text(kFolderNotCreated));
        return false;
    }
    if (!compile())
        return false;
    preverify();
    package();
    if (holdsVisibleFile(projectSubfolder(QStringLiteral("res"))))
        addResources();
    writeProducts();
    AppendLogLine(m_bench, text(kBuildSucceeded));
    m_bench.flags().CanRun = true;
    return true;
}

bool Build::compile()
{
    SetWorkingDirectory(m_settings.ProjectFolder);
    const QString line = compileCommandLine(m_settings, m_style);
    AppendLogLine(m_bench, line);
    m_runner = m_services.runners.CreateCommandRunner();
    if (!m_runner) {
        AppendLogLine(m_bench, text(kNoRunner));
        return false;
    }
    const CommandResult run = m_runner->RunCommand(line);
    if (CommandSucceeded(run))
        return true;
    AppendLog(m_bench, NormalizeOutput(run.output) + kCrLf);
    AppendLogLine(m_bench, text(kCompileFailed));
    m_bench.flags().CanRun = false;
    return false;
}

void Build::preverify()
{
    SetWorkingDirectory(m_settings.ProjectFolder);
    const QString line = preverifyCommandLine(m_settings, m_style);
    const CommandResult run = m_runner->RunCommand(line);
    if (!CommandSucceeded(run))
        AppendLog(m_bench, line + kCrLf + text(kPreverifyFailed) + kCrLf + NormalizeOutput(run.output) + kCrLf);
}

void Build::package()
{
    SetWorkingDirectory(projectSubfolder(QStringLiteral("classes")));
    const CommandResult run = m_runner->RunCommand(packageCommandLine(m_settings, m_style));
    if (!CommandSucceeded(run))
        logJarFailure(run);
}

void Build::addResources()
{
    SetWorkingDirectory(projectSubfolder(QStringLiteral("res")));
    const CommandResult run = m_runner->RunCommand(resourceCommandLine(m_settings, m_style));
    if (CommandSucceeded(run))
        AppendLogLine(m_bench, text(kJarSaved) + archiveFilePath(m_settings, m_style));
    else
        logJarFailure(run);
}

void Build::writeProducts()
{
    const QString jam = jamFilePath(m_settings, m_style);
    if (WriteJamFile(m_settings, m_style, m_services.clock.now()).isEmpty())
        AppendLogLine(m_bench, text(kJamSaved) + jam);
    else
        AppendLogLine(m_bench, jam + text(kNotSaved));

    const QString html = htmlFilePath(m_settings, m_style);
    if (WriteHtmlFile(m_settings, m_style).isEmpty())
        AppendLogLine(m_bench, text(kHtmlSaved) + html);
    else
        AppendLogLine(m_bench, html + text(kNotSaved));
}

void Build::logJarFailure(const CommandResult &run)
{
    AppendLog(m_bench, text(kJarFailed) + kCrLf + NormalizeOutput(run.output) + kCrLf);
}

QString Build::projectSubfolder(const QString &name) const
{
    return m_style.join(m_settings.ProjectFolder, {name});
}

} // namespace

bool Compile_Click(Services &services)
{
    const BusyCursor busy(services.bench);
    if (!services.bench.flags().ProjectLoaded)
        return false;
    return Build(services).run();
}
