#include "app/toolchain.h"
#include "app/window_placement.h"
#include "build/build_commands.h"
#include "build/process_runner.h"
#include "live_processes.h"
#include "project_sandbox.h"
#include "ui/log_formatter.h"
#include "ui/main_window.h"
#include "ui/picture_button.h"
#include "ui/run_controls.h"
#include "ui/source_editor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QMessageBox>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class MemoryPlacementStore : public PlacementStore
{
public:
    std::optional<QString> value(const QString &) const override { return std::nullopt; }
    void setValue(const QString &, const QString &) override {}
};

// An emulator that prints a line, leaves a child behind and waits: each of
// the two processes carries the marker in its name.
bool writeWaitingJava(const QString &jdk, const QString &marker)
{
    const QString java = jdk + QStringLiteral("/bin/java");
    const QString script = QStringLiteral("#!/bin/bash\necho started\n(exec -a %1-child /bin/sleep 120) &\n"
                                          "exec -a %1-tool /bin/sleep 120\n").arg(marker);
    return QDir().mkpath(jdk + QStringLiteral("/bin")) && writeBytes(java, script.toUtf8())
           && QFile::setPermissions(java, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Answers each question box with the button and keeps its text.
class Answerer : public QObject
{
public:
    Answerer(QMessageBox::StandardButton button, QStringList &asked) : m_button(button), m_asked(asked)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            m_asked << box->text();
            box->button(m_button)->click();
        });
        m_timer.start(20);
    }

private:
    QMessageBox::StandardButton m_button;
    QStringList &m_asked;
    QTimer m_timer;
    QPointer<QMessageBox> m_last;
};

QString triggerOf(frmMain &window, const QString &name)
{
    auto *action = window.findChild<QAction *>(name);
    if (!action)
        return QStringLiteral("no action ") + name;
    action->trigger();
    return QString();
}

} // namespace

class EmulatorRunningTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void commandsWhileTheEmulatorRuns_data();
    void commandsWhileTheEmulatorRuns();
    void emulatorOpensBesideTheWindow_data();
    void emulatorOpensBesideTheWindow();
};

void EmulatorRunningTest::commandsWhileTheEmulatorRuns_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");      // to the question, if one comes
    QTest::addColumn<bool>("asked");          // "エミュレータを終了して続けますか?" came, once
    QTest::addColumn<bool>("stillRunning");
    QTest::addColumn<bool>("logUnchanged");  // the run's lines and nothing after them
    QTest::newRow("typing lands in the source") << "type" << "" << false << true << true;
    QTest::newRow("Save saves the typed text, and says so") << "save" << "" << false << true << false;
    QTest::newRow("Build, No: emulator and source stay") << "mnu:keyBuild" << "No" << true << true << true;
    QTest::newRow("Build, Yes: the emulator ends, then the build") << "mnu:keyBuild" << "Yes" << true << false << false;
    QTest::newRow("Run, No") << "mnu:keyRun" << "No" << true << true << true;
    QTest::newRow("Run, Yes: a new emulator") << "mnu:keyRun" << "Yes" << true << true << false;
    QTest::newRow("Clean, No") << "mnu:mnuFileClean" << "No" << true << true << true;
    QTest::newRow("New project, No") << "mnu:mnuFileNew" << "No" << true << true << true;
    QTest::newRow("Open project, No") << "mnu:mnuFileOpen" << "No" << true << true << true;
    QTest::newRow("closing, No: the window stays") << "close" << "No" << true << true << true;
    QTest::newRow("Stop ends every process") << "mnu:mnuRunStop" << "" << false << false << true;
    QTest::newRow("Esc ends every process") << "Esc" << "" << false << false << true;
    QTest::newRow("build and run ends it without a question") << "mnu:mnuRunBuildAndRun" << "" << false << false << false;
}

void EmulatorRunningTest::commandsWhileTheEmulatorRuns()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, stillRunning);
    QFETCH(bool, logUnchanged);
#ifndef Q_OS_LINUX
    QSKIP("the waiting emulator is a shell script, and its processes are found in /proc");
#endif
    static int rows = 0;
    const QString marker = QStringLiteral("quenvel-emulator-%1-%2").arg(QCoreApplication::applicationPid()).arg(++rows);
    const auto cleanUp = qScopeGuard([&] { killProcessesWith(marker); });
    QTemporaryDir jdk;
    ProjectSandbox::Options options;
    options.javaPath = jdk.path();
    ProjectSandbox box(options);
    QVERIFY(box.isValid() && box.writeProject() && writeWaitingJava(jdk.path(), marker));
    QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jar"), "PK") && box.writeFile(QStringLiteral("bin/Hello.jam"), "AppClass = Hello\r\n"));
    ProcessCommandRunnerFactory runners;
    MemoryPlacementStore placement;
    auto window = std::make_unique<frmMain>(box.store, runners, box.ftp, box.clock, placement, UiLanguage::Japanese);
    QVERIFY(window->Form_Load());
    window->show();
    window->OpenProject(box.name());
    window->log().clear();
    QVERIFY(window->session().ProjectLoaded());
    auto *source = window->findChild<SourceEditor *>(QStringLiteral("SourceCode"));
    auto *stop = window->findChild<QAction *>(QStringLiteral("mnuRunStop"));
    QVERIFY(!stop->isEnabled());

    QVERIFY(triggerOf(*window, QStringLiteral("keyRun")).isEmpty());
    // The Run is back at once; its output comes while it runs.
    QVERIFY(window->session().isRunning());
    const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
    const QString runLog = emulatorCommandLine(tools, box.name()) + QStringLiteral("\r\nstarted\r\n");
    QTRY_COMPARE(window->log().text(), runLog);
    QTRY_VERIFY(!processesWith(marker + QStringLiteral("-child")).isEmpty());
    QVERIFY(stop->isEnabled());

    QStringList questions;
    const Answerer answerer(answer == QLatin1String("No") ? QMessageBox::No : QMessageBox::Yes, questions);
    QElapsedTimer stopping;
    stopping.start();
    if (command == QLatin1String("type") || command == QLatin1String("save")) {
        source->setFocus();
        QTest::keyClicks(source, QStringLiteral("xy"));
        QVERIFY(source->sourceText().contains(QLatin1String("xy")));
        if (command == QLatin1String("save")) {
            QVERIFY(triggerOf(*window, QStringLiteral("mnuFileSave")).isEmpty());
            QVERIFY(readBytes(box.project().paths.sourceFile()).contains("xy"));
            QVERIFY(window->log().text().endsWith(QStringLiteral("を保存しました。\r\n")));
        }
    } else if (command == QLatin1String("Esc")) {
        QTest::keyClick(source, Qt::Key_Escape);
    } else if (command == QLatin1String("close")) {
        window->close();
    } else {
        QVERIFY(triggerOf(*window, command.mid(4)).isEmpty());
    }

    QCOMPARE(questions, asked ? QStringList{QStringLiteral("エミュレータを終了して続けますか?")} : QStringList());
    if (!stillRunning) {
        for (const QString &suffix : {QStringLiteral("-tool"), QStringLiteral("-child")})
            QVERIFY2(noneLeftWithin(marker + suffix, qMax<int>(0, 1000 - stopping.elapsed())), qPrintable(suffix));
        const qint64 gone = stopping.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(!window->session().isRunning(), int(qMax<qint64>(0, 1000 - gone)));
        qInfo("every process ended %lld ms after the command, the run %lld ms", gone, qint64(stopping.elapsed()));
        if (logUnchanged)
            QCOMPARE(window->log().text(), runLog + tools.java + QStringLiteral(" を中止しました。\r\n"));
    } else {
        QVERIFY(window->session().isRunning());
        QVERIFY(window->isVisible());
        QTRY_VERIFY(!processesWith(marker + QStringLiteral("-child")).isEmpty());
        QVERIFY(window->log().text().startsWith(runLog));
        if (logUnchanged)
            QCOMPARE(window->log().text().mid(runLog.size()), QString());
    }
    window->session().stop();
    QTRY_VERIFY(!window->session().isRunning());
}

void EmulatorRunningTest::emulatorOpensBesideTheWindow_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("place");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("room on the right") << QRect(100, 50, 500, 600) << QPoint(600, 50);
    QTest::newRow("room on the left only") << QRect(800, 50, 480, 600) << QPoint(520, 50);
    QTest::newRow("no room: the screen's right edge") << QRect(0, 0, 1280, 1000) << QPoint(1000, 0);
}

void EmulatorRunningTest::emulatorOpensBesideTheWindow()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, place);
    QCOMPARE(RunControls::placeBeside(frame, QRect(0, 0, 1280, 1024), 280), place);
}

QTEST_MAIN(EmulatorRunningTest)
#include "tst_emulator_running.moc"
