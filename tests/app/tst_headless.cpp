#include "app/headless.h"
#include "app/headless_workbench.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "project_sandbox.h"

#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

Q_DECLARE_METATYPE(CommandResult)

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome runIn(ProjectSandbox &box, const QStringList &arguments)
{
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.exitCode = runHeadless(QStringList{QStringLiteral("quenvel")} + arguments, box.store, box.runners,
                                   box.ftp, box.clock, out, err);
    return outcome;
}

// Whether opening a project is part of this build; the whole roads rest on it.
} // namespace

class HeadlessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void recognisesHeadlessCommandLines_data();
    void recognisesHeadlessCommandLines();
    void usageErrors_data();
    void usageErrors();
    void helpIsJapaneseAndSucceeds();

    void lineEnds_data();
    void lineEnds();
    void logStreamsWithLfWhileMemoryKeepsCrLf();
    void settingsMessagesGoToErrAndNotBeyondTheRun();

    void buildRoad_data();
    void buildRoad();
    void runRoad_data();
    void runRoad();
    void unknownProjectRunsNothing();
};

void HeadlessTest::recognisesHeadlessCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("headless");
    QTest::newRow("no arguments opens the window") << QStringList{"quenvel"} << false;
    QTest::newRow("build") << QStringList{"quenvel", "--build", "Hello"} << true;
    QTest::newRow("help") << QStringList{"quenvel", "--help"} << true;
    QTest::newRow("unknown long option is a usage error, not a window") << QStringList{"quenvel", "--bogus"} << true;
    QTest::newRow("option after a word") << QStringList{"quenvel", "Hello", "--run"} << true;
    QTest::newRow("a plain word opens the window") << QStringList{"quenvel", "Hello"} << false;
    QTest::newRow("program name alone counts for nothing") << QStringList{"--build"} << false;
}

void HeadlessTest::recognisesHeadlessCommandLines()
{
    QFETCH(QStringList, arguments);
    QTEST(isHeadlessInvocation(arguments), "headless");
}

void HeadlessTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no action") << QStringList{} << QStringLiteral("操作が指定されていません。");
    QTest::newRow("unknown option") << QStringList{"--bogus", "Hello"} << QStringLiteral("不明なオプションです: --bogus");
    QTest::newRow("name first") << QStringList{"Hello", "--build"} << QStringLiteral("不明なオプションです: Hello");
    QTest::newRow("missing name") << QStringList{"--build"} << QStringLiteral("--build にはプロジェクト名が必要です。");
    QTest::newRow("empty name would need the chooser")
        << QStringList{"--run", ""} << QStringLiteral("--run にはプロジェクト名が必要です。");
    QTest::newRow("extra arguments") << QStringList{"--upload", "Hello", "World", "!"}
                                     << QStringLiteral("余分な引数があります: World !");
    QTest::newRow("two actions") << QStringList{"--build", "Hello", "--run"} << QStringLiteral("余分な引数があります: --run");
    QTest::newRow("help with more") << QStringList{"--help", "me"} << QStringLiteral("余分な引数があります: me");
}

void HeadlessTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const Outcome outcome = runIn(box, arguments);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err, reason + QStringLiteral("\nquenvel --help で使い方を表示します。\n"));
    QCOMPARE(box.runners.runnersCreated, 0);
}

void HeadlessTest::helpIsJapaneseAndSucceeds()
{
    ProjectSandbox box;
    const Outcome outcome = runIn(box, {QStringLiteral("--help")});
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(outcome.out.startsWith(QStringLiteral("使い方: quenvel [--build 名前 | --run 名前 | --upload 名前 | --help]\n")));
    for (const char *option : {"--build 名前 ", "--run 名前 ", "--upload 名前 ", "終了コード"})
        QVERIFY2(outcome.out.contains(QString::fromUtf8(option)), option);
    QCOMPARE(outcome.err, QString());
}

void HeadlessTest::lineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lf");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringLiteral("a\nb\n");
    QTest::newRow("tool output that had CR LF itself") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("lone CR stays") << QStringLiteral("50%\r100%") << QStringLiteral("50%\r100%");
    QTest::newRow("LF stays") << QStringLiteral("\n\n") << QStringLiteral("\n\n");
}

void HeadlessTest::lineEnds()
{
    QFETCH(QString, text);
    QTEST(toLfLineEnds(text), "lf");
}

void HeadlessTest::logStreamsWithLfWhileMemoryKeepsCrLf()
{
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    HeadlessWorkbench bench(out, err);

    bench.appendLog(QStringLiteral("line one\r"));
    QCOMPARE(outText, QStringLiteral("line one"));
    bench.appendLog(QStringLiteral("\nline two\r\n"));
    QCOMPARE(outText, QStringLiteral("line one\nline two\n"));
    QCOMPARE(bench.logText(), QStringLiteral("line one\r\nline two\r\n"));

    bench.clearLog();
    bench.appendLog(QStringLiteral("after\r"));
    bench.finish();
    QCOMPARE(outText, QStringLiteral("line one\nline two\nafter\r"));
    QCOMPARE(bench.logText(), QStringLiteral("after\r"));

    bench.showMessage(QStringLiteral("first\r\nsecond"));
    QCOMPARE(errText, QStringLiteral("first\nsecond\n"));
    QCOMPARE(bench.chooseProject(QStringLiteral("*")), QString());
}

void HeadlessTest::settingsMessagesGoToErrAndNotBeyondTheRun()
{
    ProjectSandbox::Options options;
    options.javaPath = QString();
    ProjectSandbox box(options);
    QVERIFY(box.isValid());
    const Outcome outcome = runIn(box, {QStringLiteral("--build"), QStringLiteral("Hello")});
    QVERIFY2(outcome.err.startsWith(toLfLineEnds(kNoJdkMessage) + QLatin1Char('\n')),
             qPrintable(outcome.err));
    QVERIFY(!outcome.out.contains(kNoJdkMessage));
    // No JDK, no compiler: the machine's own javac must not stand in for it.
    QCOMPARE(outcome.exitCode, 1);
    QVERIFY2(outcome.out.contains(QStringLiteral("JDKが設定されていません。")), qPrintable(outcome.out));
    QVERIFY(box.runners.commands.isEmpty());
    // The window that took the messages is gone; a later load must not reach it.
    box.store.LoadSettings();
}

void HeadlessTest::buildRoad_data()
{
    QTest::addColumn<QString>("failing");  // the stage whose tool fails, or "descriptor", "source", "archive"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("lastLine");
    const QString succeeded = QStringLiteral("コンパイルは正常に終了しました。\n");
    QTest::newRow("success") << QString() << 0 << succeeded;
    QTest::newRow("compile failure") << "compile" << 1 << QStringLiteral("failed\n\nコンパイルは失敗しました。\n");
    QTest::newRow("preverify failure, the log ends well") << "preverify" << 1 << succeeded;
    QTest::newRow("archive failure") << "package" << 1 << succeeded;
    QTest::newRow("no archive although jar ended well") << "archive" << 1 << succeeded;
    QTest::newRow("descriptor not written") << "descriptor" << 1 << succeeded;
    QTest::newRow("source not saved") << "source" << 1 << QStringLiteral("\nコンパイルは失敗しました。\n");
}

void HeadlessTest::buildRoad()
{
    QFETCH(QString, failing);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    const QString compileLine = compileCommandLine(s, style);
    const QMap<QString, QString> stages = {{compileLine, QStringLiteral("compile")},
                                           {preverifyCommandLine(s, style), QStringLiteral("preverify")},
                                           {packageCommandLine(s, style), QStringLiteral("package")}};
    box.runners.answer = [&](const QString &line) {
        const QString stage = stages.value(line);
        if (stage == failing)
            return CommandResult{1, QStringLiteral("failed\n")};
        if (stage == QLatin1String("package") && failing != QLatin1String("archive"))
            box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
        return CommandResult{};
    };
    if (failing == QLatin1String("descriptor"))
        QVERIFY(box.makeFolder(QStringLiteral("bin/Hello.jam/keep")));
    if (failing == QLatin1String("source"))
        QVERIFY(box.writeFile(QStringLiteral("src/Hello.java"), "// \xff\r\n"));

    const Outcome outcome = runIn(box, {QStringLiteral("--build"), QStringLiteral("Hello")});
    QTEST(outcome.exitCode, "exitCode");
    QVERIFY2(outcome.out.startsWith(QStringLiteral("プロジェクト [Hello] は読みこまれました\n")), qPrintable(outcome.out));
    QVERIFY(failing == QLatin1String("source") || outcome.out.contains(QLatin1Char('\n') + compileLine + QLatin1Char('\n')));
    QFETCH(QString, lastLine);
    QVERIFY2(outcome.out.endsWith(lastLine), qPrintable(outcome.out));
    QVERIFY(!outcome.out.contains(QLatin1Char('\r')));
    QCOMPARE(box.runners.runnersCreated, failing == QLatin1String("source") ? 0 : 1);
}

void HeadlessTest::runRoad_data()
{
    QTest::addColumn<CommandResult>("emulator");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("emulator ends well") << CommandResult{0, QStringLiteral("started\n")} << 0;
    QTest::newRow("java cannot be started")
        << CommandResult{-2, QStringLiteral("java: No such file or directory\n")} << 1;
}

void HeadlessTest::runRoad()
{
    QFETCH(CommandResult, emulator);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.runners.answer = [&](const QString &) { return emulator; };

    const Outcome outcome = runIn(box, {QStringLiteral("--run"), QStringLiteral("Hello")});
    QTEST(outcome.exitCode, "exitCode");
    const QString line = emulatorCommandLine(box.settings(), box.store.style());
    QVERIFY2(outcome.out.endsWith(line + QLatin1Char('\n') + emulator.output + QLatin1Char('\n')), qPrintable(outcome.out));
    QCOMPARE(box.runners.commands.size(), 1);
}

void HeadlessTest::unknownProjectRunsNothing()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    for (const char *option : {"--build", "--run"}) {
        const Outcome outcome = runIn(box, {QString::fromLatin1(option), QStringLiteral("Nope")});
        QCOMPARE(outcome.exitCode, 1);
        QCOMPARE(outcome.out, QString());
        // The opening's message box says why.
        QVERIFY(outcome.err.startsWith(QStringLiteral("このプロジェクトはQuenvelで扱える形式ではありません。\n")));
    }
    QCOMPARE(box.runners.runnersCreated, 0);
}

QTEST_GUILESS_MAIN(HeadlessTest)
#include "tst_headless.moc"
