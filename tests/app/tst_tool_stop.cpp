#include "app/toolchain.h"
#include "live_processes.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// A JDK whose compiler hangs: it leaves a child behind and then sleeps,
// each with the marker as its name.
bool writeHangingJdk(const QString &folder, const QString &marker)
{
    const QString javac = folder + QStringLiteral("/bin/javac");
    const QString script =
        QStringLiteral("#!/bin/bash\n(exec -a %1-child /bin/sleep 120) &\nexec -a %1-tool /bin/sleep 120\n").arg(marker);
    return writeBytes(javac, script.toUtf8())
           && QFile::setPermissions(javac, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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

} // namespace

class ToolStopTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endingTheProgramEndsItsTool_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QStringList>("gone");
        QTest::newRow("SIGTERM stops the tool with its child and exits 128+15")
            << int(SIGTERM) << QStringList{"-tool", "-child"};
        QTest::newRow("SIGKILL leaves no tool running, nor a child it started")
            << int(SIGKILL) << QStringList{"-tool", "-child"};
    }

    void endingTheProgramEndsItsTool()
    {
        QFETCH(int, signal);
        const QString marker = QStringLiteral("quenvel-javac-%1-%2").arg(QCoreApplication::applicationPid()).arg(signal);
        const auto cleanUp = qScopeGuard([&] { killProcessesWith(marker); });
        QTemporaryDir jdk;
        ProjectSandbox::Options options;
        options.javaPath = jdk.path();
        ProjectSandbox box(options);
        // The real program reads Tovra.ini beside itself, so it runs from a copy.
        const QString program = box.appDir() + QStringLiteral("/quenvel");
        QVERIFY(box.isValid() && writeHangingJdk(jdk.path(), marker)
                && QFile::copy(binaryDir() + QStringLiteral("/quenvel"), program));

        QProcess quenvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), box.root());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), box.root());
        quenvel.setProcessEnvironment(environment);
        quenvel.start(program, {QStringLiteral("--build"), box.name()});
        QVERIFY2(QTest::qWaitFor([&] { return !processesWith(marker + QStringLiteral("-tool")).isEmpty()
                                              || quenvel.state() == QProcess::NotRunning; }, 20000),
                 "javac did not start");
        QVERIFY2(quenvel.state() == QProcess::Running, quenvel.readAll().constData());

        ::kill(pid_t(quenvel.processId()), signal);
        QVERIFY(quenvel.waitForFinished(10000));
        if (signal != SIGKILL) {
            QCOMPARE(quenvel.exitStatus(), QProcess::NormalExit);
            QCOMPARE(quenvel.exitCode(), 128 + signal);
            const QString log = QString::fromUtf8(quenvel.readAllStandardOutput());
            const QString javac = Toolchain::fromSettings(box.settings(), box.store.style()).javac;
            QVERIFY2(log.contains(javac + QStringLiteral(" を中止しました。\n")), qPrintable(log));
        }
        QFETCH(QStringList, gone);
        for (const QString &suffix : gone)
            QVERIFY2(noneLeftWithin(marker + suffix, 3000), qPrintable(suffix));
    }

    // A logout while the start-up box about the missing JDK is up.
    void aSignalEndsTheProgramUnderAStartUpBox()
    {
        ProjectSandbox::Options options;
        options.javaPath = QString();
        ProjectSandbox box(options);
        const QString program = box.appDir() + QStringLiteral("/quenvel");
        QVERIFY(box.isValid() && QFile::copy(binaryDir() + QStringLiteral("/quenvel"), program));
        QProcess quenvel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), box.root());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), box.root());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        quenvel.setProcessEnvironment(environment);
        quenvel.start(program, QStringList());
        QVERIFY(quenvel.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return catches(quenvel.processId(), SIGTERM); }, 20000));
        ::kill(pid_t(quenvel.processId()), SIGTERM);
        const bool ended = quenvel.waitForFinished(10000);
        if (!ended)
            quenvel.kill();
        QVERIFY2(ended, "SIGTERM under the start-up box was ignored");
        QCOMPARE(quenvel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quenvel.exitCode(), 128 + SIGTERM);
    }
};

QTEST_GUILESS_MAIN(ToolStopTest)
#include "tst_tool_stop.moc"
