#include "build/emulator_launch.h"

#include "app/line_ends.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/log_output.h"
#include "build/session_events.h"
#include "build/shrink_step.h"

#include <QEventLoop>
#include <QFileInfo>

EmulatorRun::EmulatorRun(Services &services, const OpenedProject &project, std::optional<QPoint> place,
                         std::function<void()> ended)
    : m_services(services)
    , m_project(project)
    , m_ended(std::move(ended))
{
    m_services.events.report(SessionEvents::Progress{ActionKind::Run, SessionEvents::Progress::Stage::Started});
    m_running = true;
    if (!start(place))
        end(false);
}

// A run still going when its owner goes is ended with it, without a word:
// nobody is left to read one.
EmulatorRun::~EmulatorRun() = default;

bool EmulatorRun::start(std::optional<QPoint> place)
{
    SessionEvents &events = m_services.events;
    // The emulator's own words would be that it cannot read the descriptor.
    if (!QFileInfo(m_project.paths.descriptor()).isFile()) {
        AppendLogLine(events, m_project.paths.descriptor() + QStringLiteral("がありません。先にビルドしてください。"));
        return false;
    }
    const Toolchain tools = Toolchain::fromSettings(m_services.store.settings(), m_services.store.style(),
                                                    m_project.settings.TargetProfile);
    if (const Result<> ready = toolReady(tools, tools.java, kNoJdk); !ready) {
        AppendLogLine(events, ready.error());
        return false;
    }
    const QString line = emulatorCommandLine(tools, m_project.name);
    logCommand(events, line);
    // The line is seen before the emulator takes over.
    events.report(SessionEvents::Progress{ActionKind::Run, SessionEvents::Progress::Stage::ToolStarting});

    m_runner = m_services.runners.CreateCommandRunner();
    if (!m_runner) {
        AppendLogLine(events, kNoRunner);
        return false;
    }
    QStringList environment;
    if (place)
        environment << QStringLiteral("%1=%2,%3").arg(QLatin1String(kPlaceVariable)).arg(place->x()).arg(place->y());
    if (m_frontFolder.isValid())
        environment << QLatin1String(kFrontVariable) + QLatin1Char('=') + m_frontFolder.filePath(QStringLiteral("front"));
    // What the application prints is seen while it runs.
    m_runner->startCommand(line, m_project.paths.folder(), logOutputAsItComes(events), environment,
                           [this](const CommandResult &run) { finish(run); });
    return true;
}

void EmulatorRun::finish(const CommandResult &run)
{
    SessionEvents &events = m_services.events;
    AppendLog(events, kCrLf);
    // How it ended, when that is news: an end with 0 is the usual one, and a
    // stop, a crash or a start that failed has its own line already.
    if (!run.stopped && run.result > 0)
        AppendLogLine(events, QStringLiteral("エミュレータが終了しました。(終了コード %1)").arg(run.result));
    for (const QString &restored : restoredTraceLines(m_project.settings, m_project.paths, run.output))
        AppendLogLine(events, restored);
    // A java that could not be started reports a non-zero result like any
    // other failure; that is the one sign the runner gives.
    end(run.result == 0);
}

void EmulatorRun::end(bool ok)
{
    m_running = false;
    m_services.events.report(SessionEvents::ActionEnded{ActionKind::Run, ok});
    if (m_ended)
        m_ended();
}

// Each request is a new content, so the emulator sees a change even within
// the file system's time resolution.
Result<> EmulatorRun::raise()
{
    if (!m_running)
        return Result<>::failure(QStringLiteral("エミュレータは実行されていません。"));
    if (!m_frontFolder.isValid())
        return Result<>::failure(QStringLiteral("エミュレータを前面に出せませんでした: %1").arg(m_frontFolder.errorString()));
    return writeFileAtomically(m_frontFolder.filePath(QStringLiteral("front")), QByteArray::number(++m_frontRequests));
}

void Run_Click(Services &services, const OpenedProject &project)
{
    QEventLoop wait;
    bool ended = false;
    const EmulatorRun run(services, project, std::nullopt, [&] {
        ended = true;
        wait.quit();
    });
    if (!ended)
        wait.exec();
}
