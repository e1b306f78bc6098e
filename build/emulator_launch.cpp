#include "build/emulator_launch.h"

#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/log_output.h"
#include "build/session_events.h"
#include "build/shrink_step.h"

#include <QFileInfo>

namespace {

bool launch(Services &services, const OpenedProject &project)
{
    SessionEvents &events = services.events;
    // The emulator's own words would be that it cannot read the descriptor.
    if (!QFileInfo(project.paths.descriptor()).isFile()) {
        AppendLogLine(events, project.paths.descriptor() + QStringLiteral("がありません。先にビルドしてください。"));
        return false;
    }
    const Toolchain tools = Toolchain::fromSettings(services.store.settings(), services.store.style(),
                                                    project.settings.TargetProfile);
    if (const Result<> ready = toolReady(tools, tools.java, kNoJdk); !ready) {
        AppendLogLine(events, ready.error());
        return false;
    }
    const QString line = emulatorCommandLine(tools, project.name);
    logCommand(events, line);
    // The line is seen before the emulator takes over.
    events.report(SessionEvents::Progress{ActionKind::Run, SessionEvents::Progress::Stage::ToolStarting});

    const std::unique_ptr<CommandRunner> runner = services.runners.CreateCommandRunner();
    if (!runner) {
        AppendLogLine(events, kNoRunner);
        return false;
    }
    // What the application prints is seen while it runs.
    const CommandResult run = runner->RunCommand(line, project.paths.folder(), logOutputAsItComes(events));
    AppendLog(events, kCrLf);
    // How it ended, when that is news: an end with 0 is the usual one, and a
    // stop, a crash or a start that failed has its own line already.
    if (!run.stopped && run.result > 0)
        AppendLogLine(events, QStringLiteral("エミュレータが終了しました。(終了コード %1)").arg(run.result));
    for (const QString &restored : restoredTraceLines(project.settings, project.paths, run.output))
        AppendLogLine(events, restored);
    // A java that could not be started reports a non-zero result like any
    // other failure; that is the one sign the runner gives.
    return run.result == 0;
}

} // namespace

void Run_Click(Services &services, const OpenedProject &project)
{
    ActionUnderWay underWay(services.events, ActionKind::Run);
    underWay.succeeded(launch(services, project));
}
