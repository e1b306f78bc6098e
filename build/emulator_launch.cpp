#include "build/emulator_launch.h"

#include "app/line_ends.h"
#include "app/project_paths.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/workbench.h"
#include "build/build_commands.h"
#include "build/build_messages.h"
#include "build/command_runner.h"
#include "build/log_output.h"

namespace {

// Everything between the gate and CanUpload; true when java ran and ended well.
bool launch(Services &services)
{
    Workbench &bench = services.bench;
    const AppSettings &settings = services.store.settings();
    if (!HasTool(bench, settings.javaPath, kNoJdk))
        return false;
    if (const QString problem = commandLineSettingsProblem(settings); !problem.isEmpty()) {
        AppendLogLine(bench, problem);
        return false;
    }
    const PathStyle &style = services.store.style();
    const QString line = emulatorCommandLine(settings, style);
    AppendLogLine(bench, line);
    // The line is painted before the emulator blocks the window.
    bench.processEvents();

    const std::unique_ptr<CommandRunner> runner = services.runners.CreateCommandRunner();
    if (!runner) {
        AppendLogLine(bench, kNoRunner);
        return false;
    }
    const CommandResult run = runner->RunCommand(line, ProjectPaths::current(settings, style).folder());
    AppendLog(bench, NormalizeOutput(run.output) + kCrLf);
    // A java that could not be started reports a non-zero result like any
    // other failure; that is the one sign the runner gives.
    return run.result == 0;
}

} // namespace

bool Run_Click(Services &services)
{
    if (!services.bench.flags().CanRun)
        return false;
    const bool ended = launch(services);
    services.bench.flags().CanUpload = true;
    return ended;
}
