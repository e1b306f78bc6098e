#include "app/clock.h"
#include "app/entry.h"
#include "app/headless.h"
#include "app/settings_store.h"
#include "app/stop_signals.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quenvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Quenvel"));
}

// One action without a window: no display is needed, so no QApplication.
int runWithoutWindow(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    nameApplication();
    SettingsStore store(PathStyle::native().spelled(QCoreApplication::applicationDirPath()), PathStyle::native());
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    SystemClock clock;
    QTextStream out(stdout);
    QTextStream err(stderr);
    // A signal ends the tool or transfer under way, and the action with it.
    const StopOnSignals stop([&] {
        runners.stopForGood();
        ftp.abortTransfers();
    });
    const int code = runHeadless(QCoreApplication::arguments(), store, runners, ftp, clock, out, err);
    // As a shell reports a program that a signal ended.
    return stop.signalNumber() != 0 ? 128 + stop.signalNumber() : code;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (isHeadlessInvocation(arguments))
        return runWithoutWindow(argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    return runDesktop(app);
}
