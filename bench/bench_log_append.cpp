// Appending a long build's output to the log pane, chunk by chunk, against
// one setPlainText of the final text. Goal: within 3 times.
#include "app/clock.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "build/command_runner.h"
#include "deploy/ftp_client.h"
#include "ui/log_formatter.h"
#include "ui/main_window.h"
#include "ui/source_editor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class NoRunners : public CommandRunnerFactory
{
public:
    std::unique_ptr<CommandRunner> CreateCommandRunner() override { return nullptr; }
};

class NoFtp : public FtpClientFactory
{
public:
    std::unique_ptr<FtpClient> create() override { return nullptr; }
};

class NoPlacement : public PlacementStore
{
public:
    std::optional<QString> value(const QString &) const override { return std::nullopt; }
    void setValue(const QString &, const QString &) override {}
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(dir.path(), PathStyle::posix());
    NoRunners runners;
    NoFtp ftp;
    SystemClock clock;
    NoPlacement placement;
    frmMain window(store, runners, ftp, clock, placement, UiLanguage::Japanese);
    window.show();

    QStringList chunks;
    for (int call = 0; call < 2000; ++call) {
        QString chunk;
        for (int line = 0; line < 10; ++line)
            chunk += QStringLiteral("src/Hello.java:%1: warning: [deprecation] getWidth() in Display has been deprecated\r\n")
                         .arg(call * 10 + line);
        chunks << chunk;
    }

    QElapsedTimer timer;
    timer.start();
    for (const QString &chunk : chunks)
        window.log().append(chunk);
    QCoreApplication::processEvents();
    const double appendMs = timer.nsecsElapsed() / 1e6;

    QPlainTextEdit reference;
    reference.show();
    const QString whole = chunks.join(QString()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    timer.restart();
    reference.setPlainText(whole);
    QCoreApplication::processEvents();
    const double setMs = timer.nsecsElapsed() / 1e6;

    std::printf("log append: 20000 lines in 2000 calls: %.1f ms\n", appendMs);
    std::printf("one setPlainText of the same text:    %.1f ms\n", setMs);
    std::printf("ratio: %.2f (goal: at most 3)\n", appendMs / setMs);
    return 0;
}
