#include "program/entry.h"

#include "app/clock.h"
#include "app/message_box.h"
#include "app/settings_encoding.h"
#include "app/settings_folder.h"
#include "app/settings_store.h"
#include "app/splash.h"
#include "app/stop_signals.h"
#include "app/wait_seconds.h"
#include "app/window_placement.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

namespace {

void showStartupMessage(const QString &text)
{
    showQuenvelMessage(text, nullptr);
}

} // namespace

bool installQtTranslation(QApplication &app, UiLanguage language)
{
    if (language != UiLanguage::Japanese)
        return false;
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        qWarning("Qt's Japanese translation (qtbase_ja.qm) is missing: its standard texts stay English.");
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

int runDesktop(QApplication &app)
{
    const UiLanguage language = uiLanguageFor(QLocale::system());
    installQtTranslation(app, language);
    SettingsStore store(PathStyle::native().spelled(settingsFolderOfThisProgram()), PathStyle::native());
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    SystemClock clock;
    SystemPlacementStore storedPlacement;
    // A screen that is gone leaves the window nowhere to be seen or moved.
    QList<QRect> screens;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    }
    OnScreenPlacementStore placement(storedPlacement, screens,
                                     QSize(toPixels(kMinWindowWidth), toPixels(kMinWindowHeight)));
    // Ended by a signal (a logout, kill): the tool under way and everything
    // it started end too, where the kernel would only end the tool itself.
    const StopOnSignals stop([&] {
        runners.stopForGood();
        ftp.abortTransfers();
        QCoreApplication::exit(1);
    });

    const Result<> loaded = store.LoadSettings();
    if (!loaded) {
        showStartupMessage(loaded.error());
    } else {
        if (const std::optional<QString> noJdk = store.noJdkNote())
            showStartupMessage(*noJdk);
        if (const std::optional<QString> utf8 = utf8SettingsFileMessage(store.settingsFilePath()))
            showStartupMessage(*utf8);
    }
    // A signal during a start-up box ends that box's loop, not the program:
    // look after each step that may wait, or the program would go on for good.
    const auto stoppedCode = [&stop] { return stop.signalNumber() != 0 ? 128 + stop.signalNumber() : 0; };
    if (const int code = stoppedCode())
        return code;
    auto splash = std::make_unique<frmSplash>();
    splash->adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
    WaitSeconds(1, [] { QCoreApplication::processEvents(); });
    splash->repaint();

    frmMain main(store, runners, ftp, clock, placement, language);
    // A box owned by the main window before it is shown would make its
    // native window early, and the stored position would then be taken for
    // the client area's instead of the frame's.
    const Result<> reloaded = main.Form_Load();
    // The window's load reads the file again: why it cannot is news only
    // when the first load could.
    if (!reloaded && loaded)
        showStartupMessage(reloaded.error());
    else if (const std::optional<QString> noJdk = store.noJdkNote(); reloaded && noJdk)
        showStartupMessage(*noJdk);
    splash.reset();
    if (const int code = stoppedCode())
        return code;
    main.show();
    const int code = app.exec();
    if (const int stopped = stoppedCode())
        return stopped;
    return code;
}
