#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/emulator_launch.h"
#include "project_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(CommandResult)

class EmulatorLaunchTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandLine_data();
    void commandLine();

    void roads_data();
    void roads();
    void cannotRunDoesNothingAtAll();
    void runsInTheProjectFolderAfterPaintingTheLine();
    void noRunnerIsSaidAndStillOpensUpload();
};

void EmulatorLaunchTest::commandLine_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("javaPath");
    QTest::addColumn<QString>("dojaPath");
    QTest::addColumn<QString>("classPath");  // null: the default
    QTest::addColumn<QString>("line");

    QTest::newRow("windows defaults")
        << true << QStringLiteral(R"(c:\jdk1.3.1)") << QStringLiteral(R"(D:\sdk)") << QString()
        << QStringLiteral(R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\lib\dojatest.zip";"D:\sdk\lib\kenv.zip";.;"D:\sdk\lib\dojaapi.jar" -Dkvem.home="D:\sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)");
    QTest::newRow("windows sdk folder with blanks")
        << true << QStringLiteral(R"(c:\jdk1.3)") << QStringLiteral(R"(C:\Program Files\doja)") << QString()
        << QStringLiteral(R"("c:\jdk1.3\bin\java" -classpath "C:\Program Files\doja\lib\dojatest.zip";"C:\Program Files\doja\lib\kenv.zip";.;"C:\Program Files\doja\lib\dojaapi.jar" -Dkvem.home="C:\Program Files\doja"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)");
    QTest::newRow("windows class path by hand goes in verbatim")
        << true << QStringLiteral(R"(c:\jdk1.3.1)") << QStringLiteral(R"(D:\sdk)") << QStringLiteral(R"(E:\x.jar;"E:\y z.jar")")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\lib\dojatest.zip";"D:\sdk\lib\kenv.zip";E:\x.jar;"E:\y z.jar" -Dkvem.home="D:\sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)");
    QTest::newRow("posix defaults")
        << false << QStringLiteral("/opt/jdk") << QStringLiteral("/home/u/my sdk") << QString()
        << QStringLiteral(R"("/opt/jdk/bin/java" -classpath "/home/u/my sdk/lib/dojatest.zip":"/home/u/my sdk/lib/kenv.zip":.:"/home/u/my sdk/lib/dojaapi.jar" -Dkvem.home="/home/u/my sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin/Hello.jam)");
}

void EmulatorLaunchTest::commandLine()
{
    QFETCH(bool, windows);
    QFETCH(QString, javaPath);
    QFETCH(QString, dojaPath);
    QFETCH(QString, classPath);
    const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
    AppSettings s;
    s.lastProject = QStringLiteral("Hello");
    s.JAVA_PATH = javaPath;
    s.DOJA_PATH = dojaPath;
    s.CLASSPATH = classPath.isNull() ? defaultClassPath(dojaPath, style) : classPath;
    s.BOOTCLASSPATH = defaultClassPath(dojaPath, style);
    deriveToolchainPaths(s, style);
    QTEST(emulatorCommandLine(s, style), "line");
}

void EmulatorLaunchTest::roads_data()
{
    QTest::addColumn<CommandResult>("emulator");
    QTest::addColumn<QString>("logAfterLine");
    QTest::addColumn<bool>("started");

    QTest::newRow("silent emulator leaves one empty line")
        << CommandResult{} << QStringLiteral("\r\n") << true;
    QTest::newRow("output lines get CR LF")
        << CommandResult{0, QStringLiteral("a\nb")} << QStringLiteral("a\r\nb\r\n") << true;
    QTest::newRow("output ending in a line break leaves an empty line")
        << CommandResult{0, QStringLiteral("started Hello\n")} << QStringLiteral("started Hello\r\n\r\n") << true;
    QTest::newRow("complaining emulator is logged, not judged by the log")
        << CommandResult{1, QStringLiteral("no descriptor bin/Hello.jam\n")}
        << QStringLiteral("no descriptor bin/Hello.jam\r\n\r\n") << false;
}

void EmulatorLaunchTest::roads()
{
    QFETCH(CommandResult, emulator);
    QFETCH(QString, logAfterLine);
    QFETCH(bool, started);

    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags = {true, true, false};
    const QString before = QStringLiteral("コンパイルは正常に終了しました。\r\n");
    box.bench.log = before;
    box.runners.answer = [&](const QString &) { return emulator; };

    Services services = box.services();
    QCOMPARE(Run_Click(services), started);

    const QString line = emulatorCommandLine(box.settings(), box.store.style());
    QCOMPARE(box.bench.log, before + line + QStringLiteral("\r\n") + logAfterLine);
    QCOMPARE(box.runners.commands.size(), 1);
    QCOMPARE(box.runners.commands.first().commandLine, line);
    QVERIFY(box.bench.windowFlags.CanUpload);
    QCOMPARE(box.bench.busyCount, 0);
}

void EmulatorLaunchTest::cannotRunDoesNothingAtAll()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags = {true, false, false};
    box.bench.log = QStringLiteral("コンパイルは失敗しました。\r\n");
    const QString directoryBefore = QDir::currentPath();

    Services services = box.services();
    QVERIFY(!Run_Click(services));

    QCOMPARE(box.bench.log, QStringLiteral("コンパイルは失敗しました。\r\n"));
    QCOMPARE(box.runners.runnersCreated, 0);
    QCOMPARE(box.bench.processEventsCount, 0);
    QVERIFY(!box.bench.windowFlags.CanUpload);
    QCOMPARE(QDir::currentPath(), directoryBefore);
}

void EmulatorLaunchTest::runsInTheProjectFolderAfterPaintingTheLine()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    int eventStepsBeforeRun = -1;
    QString logBeforeRun;
    box.runners.answer = [&](const QString &) {
        eventStepsBeforeRun = box.bench.processEventsCount;
        logBeforeRun = box.bench.log;
        return CommandResult{};
    };
    Services services = box.services();
    QVERIFY(Run_Click(services));

    QCOMPARE(box.runners.commands.first().workingDirectory, QFileInfo(box.projectFolder()).canonicalFilePath());
    QCOMPARE(eventStepsBeforeRun, 1);
    QCOMPARE(logBeforeRun, emulatorCommandLine(box.settings(), box.store.style()) + QStringLiteral("\r\n"));
}

void EmulatorLaunchTest::noRunnerIsSaidAndStillOpensUpload()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags = {true, true, false};
    box.runners.failCreation = true;
    Services services = box.services();
    QVERIFY(!Run_Click(services));
    QCOMPARE(box.bench.log, emulatorCommandLine(box.settings(), box.store.style())
                                + QStringLiteral("\r\nコマンドを実行できませんでした。\r\n"));
    QVERIFY(box.bench.windowFlags.CanUpload);
}

QTEST_GUILESS_MAIN(EmulatorLaunchTest)
#include "tst_emulator_launch.moc"
