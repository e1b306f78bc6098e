#include "app/entry.h"

#include "app/clock.h"
#include "app/settings_store.h"
#include "app/splash.h"
#include "app/wait_seconds.h"
#include "app/window_placement.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

void showStartupMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quenvel"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int runDesktop(QApplication &app)
{
    SettingsStore store(QCoreApplication::applicationDirPath(), PathStyle::native());
    store.setMessageHandler(showStartupMessage);
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    SystemClock clock;
    SystemPlacementStore placement;

    store.LoadSettings();
    auto splash = std::make_unique<frmSplash>();
    splash->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    WaitSeconds(1, [] { QCoreApplication::processEvents(); });
    splash->repaint();

    frmMain main(store, runners, ftp, clock, placement, uiLanguageFor(QLocale::system()));
    store.setMessageHandler([&main](const QString &text) { main.showMessage(text); });
    main.Form_Load();
    splash.reset();
    main.show();
    return app.exec();
}
