#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/emulator_launch.h"
#include "project_sandbox.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

Q_DECLARE_METATYPE(CommandResult)

// The emulator's command line is pinned with the build's in the pipeline's table.
class EmulatorLaunchTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void roads_data()
    {
        QTest::addColumn<bool>("runner");  // false: none can be made
        QTest::addColumn<CommandResult>("emulator");
        QTest::addColumn<QString>("logAfterLine");
        QTest::addColumn<bool>("started");

        QTest::newRow("output lines get CR LF, the end says how it ended")
            << true << CommandResult{0, QStringLiteral("a\nb")} << "a\r\nb\r\n" << true;
        QTest::newRow("complaining emulator is logged, not judged by the log")
            << true << CommandResult{1, QStringLiteral("no descriptor bin/Hello.jam\n")}
            << "no descriptor bin/Hello.jam\r\n\r\nエミュレータが終了しました。(終了コード 1)\r\n" << false;
        QTest::newRow("a crash has its own line, no end line")
            << true << CommandResult{-1, QStringLiteral("java が異常終了しました。")} << "java が異常終了しました。\r\n" << false;
        QTest::newRow("no runner is said and still opens Upload")
            << false << CommandResult{} << "コマンドを実行できませんでした。\r\n" << false;
        // Not the emulator's own complaint that it cannot read the descriptor.
        QTest::newRow("before any build, the log says to build first")
            << true << CommandResult{} << "<no descriptor>" << false;
    }

    void roads()
    {
        QFETCH(bool, runner);
        QFETCH(CommandResult, emulator);
        QFETCH(QString, logAfterLine);
        ProjectSandbox box;
        QVERIFY(box.isValid());
        const bool built = logAfterLine != QLatin1String("<no descriptor>");
        QVERIFY(!built || box.writeFile(QStringLiteral("bin/Hello.jam"), "AppClass = Hello\r\n"));
        const QString before = QStringLiteral("コンパイルは正常に終了しました。\r\n");
        box.bench.log = before;
        box.runners.failCreation = !runner;
        QString seen;  // the times the log was to be seen so far, and the log, as the emulator starts
        box.runners.answer = [&](const QString &) {
            seen = QString::number(box.bench.toolStarts) + QLatin1Char(' ') + box.bench.log;
            return emulator;
        };

        Services services = box.services();
        Run_Click(services, box.project());
        QTEST(box.bench.results.value(0), "started");
        if (!built) {
            QCOMPARE(box.bench.log, before + box.inProject(QStringLiteral("bin/Hello.jam"))
                                        + QStringLiteral("がありません。先にビルドしてください。\r\n"));
            QCOMPARE(box.runners.commands.size(), 0);
            return;
        }
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
        const QString line = emulatorCommandLine(tools, box.name()) + QStringLiteral("\r\n");
        QCOMPARE(box.bench.log, before + line + logAfterLine);
        QCOMPARE(box.bench.progress, (QStringList{"Run started", "tool", "Run ended"}));
        // The line is to be seen before the emulator runs, in the project's folder.
        QCOMPARE(seen, runner ? QStringLiteral("1 ") + before + line : QString());
        QCOMPARE(box.runners.commands.size(), runner ? 1 : 0);
        QCOMPARE(box.runners.commands.value(0).workingDirectory,
                 runner ? QFileInfo(box.projectFolder()).canonicalFilePath() : QString());
    }
};

QTEST_GUILESS_MAIN(EmulatorLaunchTest)
#include "tst_emulator_launch.moc"
