#include "app/toolchain.h"
#include "live_processes.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

#ifdef Q_OS_WIN
// The console program: quenvel.exe has no console and runs no action without a window.
const QString kProgram = QStringLiteral("/quenvel-cli.exe");

// A JDK whose compiler (or launcher) hangs: its folder carries the marker,
// and the child it leaves behind carries it on its command line.
bool writeHangingJdk(const QString &folder, const QString &marker, const QString &tool)
{
    const QString path = folder + QStringLiteral("/bin/") + tool + QStringLiteral(".exe");
    return QDir().mkpath(folder + QStringLiteral("/bin")) && QFile::copy(fakesDir() + QStringLiteral("/fake_tool.exe"), path)
           && writeBytes(folder + QStringLiteral("/bin/") + tool + QStringLiteral(".args"),
                         QStringLiteral("child=%1-child\r\nsleep=120000\r\n").arg(marker).toUtf8());
}
#else
const QString kProgram = QStringLiteral("/quenvel");

// A JDK whose compiler (or launcher) hangs: it leaves a child behind and
// then sleeps, each with the marker as its name.
bool writeHangingJdk(const QString &folder, const QString &marker, const QString &tool)
{
    const QString path = folder + QStringLiteral("/bin/") + tool;
    const QString script =
        QStringLiteral("#!/bin/bash\n(exec -a %1-child /bin/sleep 120) &\nexec -a %1-tool /bin/sleep 120\n").arg(marker);
    return writeBytes(path, script.toUtf8())
           && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Whether the process has its own handler for the signal yet.
bool catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}
#endif

// The real program reads Tovra.ini beside itself, so it runs from a copy.
bool copyProgram(const ProjectSandbox &box)
{
    return QFile::copy(binaryDir() + kProgram, box.appDir() + kProgram);
}

} // namespace

class ToolStopTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endingTheProgramEndsItsTool_data()
    {
        QTest::addColumn<int>("signal");  // 0: killed from outside, as a task manager does
        QTest::addColumn<int>("lagMs");   // how long the guardian holds back each round
        QTest::addColumn<QString>("action");
#ifdef Q_OS_WIN
        QTest::newRow("killed: no tool left running, nor a child it started") << 0 << 0 << "--build";
        QTest::newRow("killed during a run: no emulator left, nor its child") << 0 << 0 << "--run";
#else
        QTest::newRow("SIGTERM stops the tool with its child and exits 128+15") << int(SIGTERM) << 0 << "--build";
        QTest::newRow("SIGKILL leaves no tool running, nor a child it started") << int(SIGKILL) << 0 << "--build";
        QTest::newRow("SIGTERM during a run stops the emulator with its child") << int(SIGTERM) << 0 << "--run";
        QTest::newRow("SIGKILL during a run leaves no emulator, nor its child") << int(SIGKILL) << 0 << "--run";
        // The program is gone while the tool's registration still waits unread.
        QTest::newRow("SIGKILL before a lagging guardian has read the tool") << int(SIGKILL) << 3000 << "--build";
#endif
    }

    void endingTheProgramEndsItsTool()
    {
        QFETCH(int, signal);
        QFETCH(int, lagMs);
        QFETCH(QString, action);
        const bool run = action == QLatin1String("--run");
        const QString tool = run ? QStringLiteral("java") : QStringLiteral("javac");
        const QString marker =
            QStringLiteral("quenvel-%1-%2-%3").arg(tool).arg(QCoreApplication::applicationPid()).arg(signal);
        const auto cleanUp = qScopeGuard([&] { killProcessesWith(marker); });
        // On Windows the tool's command line holds its folder, and so the marker.
        QTemporaryDir jdk(QDir::tempPath() + QLatin1Char('/') + marker + QStringLiteral("-tool-XXXXXX"));
        ProjectSandbox::Options options;
        options.javaPath = jdk.path();
        ProjectSandbox box(options);
        QVERIFY(box.isValid() && writeHangingJdk(jdk.path(), marker, tool) && copyProgram(box));
        QVERIFY(!run || box.writeFile(QStringLiteral("bin/Hello.jam"), "AppClass = Hello\r\n"));

        QProcess quenvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), box.root());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), box.root());
        if (lagMs > 0)
            environment.insert(QStringLiteral("QUENVEL_TEST_GUARDIAN"), QStringLiteral("lag:%1").arg(lagMs));
        quenvel.setProcessEnvironment(environment);
        quenvel.start(box.appDir() + kProgram, {action, box.name()});
        const auto toolRuns = [&] {
            return !processesWith(marker + QStringLiteral("-tool")).isEmpty()
                   && !processesWith(marker + QStringLiteral("-child")).isEmpty();
        };
        QVERIFY2(QTest::qWaitFor([&] { return toolRuns() || quenvel.state() == QProcess::NotRunning; }, 20000),
                 "the tool did not start");
        QVERIFY2(quenvel.state() == QProcess::Running, quenvel.readAll().constData());

#ifdef Q_OS_WIN
        quenvel.kill();
        QVERIFY(quenvel.waitForFinished(10000));
#else
        ::kill(pid_t(quenvel.processId()), signal);
        QVERIFY(quenvel.waitForFinished(10000));
        if (signal != SIGKILL) {
            QCOMPARE(quenvel.exitStatus(), QProcess::NormalExit);
            QCOMPARE(quenvel.exitCode(), 128 + signal);
            const QString log = QString::fromUtf8(quenvel.readAllStandardOutput());
            const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
            QVERIFY2(log.contains((run ? tools.java : tools.javac) + QStringLiteral(" を中止しました。\n")), qPrintable(log));
        }
#endif
        for (const QString &suffix : {QStringLiteral("-tool"), QStringLiteral("-child")})
            QVERIFY2(noneLeftWithin(marker + suffix, 3000 + lagMs), qPrintable(suffix));
    }

    // Without a guardian a build still works, and the log says which tools
    // ran outside the guard; the compiler's result stays its own.
    void aToolOutsideTheGuardIsNamed()
    {
#ifndef Q_OS_LINUX
        QSKIP("the guardian is Linux's; a job object guards the tools on Windows");
#else
        const QString jdk = standinDir() + QStringLiteral("/jdk");
        const QString doja = standinDir() + QStringLiteral("/doja");
        if (!QFileInfo(jdk + QStringLiteral("/bin/javac")).isExecutable())
            QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
        ProjectSandbox box({.name = QStringLiteral("Hello"), .sdkFolderName = QStringLiteral("sdk"), .javaPath = jdk,
                            .extraGlobalLines = {}, .createSdk = false});
        QVERIFY(box.isValid() && copyTree(doja, box.sdkDir()) && box.writeProject() && copyProgram(box));
        QProcess quenvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), box.root());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), box.root());
        environment.insert(QStringLiteral("QUENVEL_TEST_GUARDIAN"), QStringLiteral("none"));
        quenvel.setProcessEnvironment(environment);
        quenvel.start(box.appDir() + kProgram, {QStringLiteral("--build"), box.name()});
        QVERIFY(quenvel.waitForFinished(120000));
        const QString log = QString::fromUtf8(quenvel.readAllStandardOutput());
        QCOMPARE(quenvel.exitCode(), 0);
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
        QStringList notes;
        for (const QString &line : log.split(QLatin1Char('\n'))) {
            if (line.contains(QStringLiteral("を見張りの下に置けませんでした")))
                notes << line;
        }
        const QString tail = QStringLiteral(" を見張りの下に置けませんでした (%1)。プログラムが終わっても、")
                                 .arg(QString::fromLocal8Bit(strerror(ENOSYS)));
        QCOMPARE(notes.size(), 3);
        QVERIFY2(notes[0].startsWith(tools.javac + tail), qPrintable(notes[0]));
        QVERIFY2(notes[1].startsWith(tools.preverify + tail), qPrintable(notes[1]));
        QVERIFY2(notes[2].startsWith(tools.jar + tail), qPrintable(notes[2]));
        QVERIFY2(log.contains(QStringLiteral("\nコンパイルは正常に終了しました。\n")), qPrintable(log));
#endif
    }

    // A logout while the start-up box about the missing JDK is up.
    void aSignalEndsTheProgramUnderAStartUpBox()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows has no signals to send; a program killed there ends at once.");
#else
        ProjectSandbox::Options options;
        options.javaPath = QString();
        ProjectSandbox box(options);
        QVERIFY(box.isValid() && copyProgram(box));
        QProcess quenvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), box.root());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), box.root());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        quenvel.setProcessEnvironment(environment);
        quenvel.start(box.appDir() + kProgram, QStringList());
        QVERIFY(quenvel.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return catches(quenvel.processId(), SIGTERM); }, 20000));
        ::kill(pid_t(quenvel.processId()), SIGTERM);
        const bool ended = quenvel.waitForFinished(10000);
        if (!ended)
            quenvel.kill();
        QVERIFY2(ended, "SIGTERM under the start-up box was ignored");
        QCOMPARE(quenvel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quenvel.exitCode(), 128 + SIGTERM);
#endif
    }
};

QTEST_GUILESS_MAIN(ToolStopTest)
#include "tst_tool_stop.moc"
