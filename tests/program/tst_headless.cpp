#include "program/headless.h"
#include "program/headless_workbench.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_messages.h"
#include "project_sandbox.h"

#include "app/code_page.h"

#include <QDir>
#include <QRandomGenerator>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

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
    // The usage's wording per platform is usageFitsThePlatform's concern.
    outcome.exitCode = runHeadless(QStringList{QStringLiteral("quenvel")} + arguments, box.store, box.runners,
                                   box.ftp, box.clock, out, err, HeadlessFlavour::Posix);
    return outcome;
}

} // namespace

class HeadlessTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void answersWithoutRunningATool_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");  // how standard output begins; empty: nothing printed
        QTest::addColumn<QString>("err");  // the same for standard error
        QTest::addColumn<QString>("setUp"); // "utf8": the source is UTF-8; "unreadable": Tovra.ini cannot be read
        const auto usage = [](const char *reason) {
            return QString::fromUtf8(reason) + QStringLiteral("\nquenvel --help で使い方を表示します。\n");
        };
        QTest::newRow("help") << QStringList{"--help"} << 0
                              << "使い方: quenvel [--build 名前 | --run 名前 | --upload 名前 | --help]\n\n" << "" << "";
        QTest::newRow("no action") << QStringList{} << 2 << "" << usage("操作が指定されていません。") << "";
        QTest::newRow("unknown option") << QStringList{"--bogus", "Hello"} << 2 << "" << usage("不明なオプションです: --bogus") << "";
        QTest::newRow("missing name") << QStringList{"--build"} << 2 << "" << usage("--build にはプロジェクト名が必要です。") << "";
        QTest::newRow("empty name would need the chooser")
            << QStringList{"--run", ""} << 2 << "" << usage("--run にはプロジェクト名が必要です。") << "";
        QTest::newRow("extra arguments")
            << QStringList{"--upload", "Hello", "World", "!"} << 2 << "" << usage("余分な引数があります: World !") << "";
        QTest::newRow("unknown project: the opening's message says why")
            << QStringList{"--run", "Nope"} << 1 << "" << "このプロジェクトはQuenvelで扱える形式ではありません。\n\n" << "";
        QTest::newRow("a UTF-8 source is not converted without a window")
            << QStringList{"--build", "Hello"} << 1 << ""
            << "このファイルはUTF-8で書かれています。Shift_JISに変換して開きますか?\n"
               "ウィンドウを開かずに実行しているため、「いいえ」として続けます。\n" << "utf8";
        QTest::newRow("a UTF-8 Tovra.ini is named as such") << QStringList{"--build", "Hello"} << 1 << ""
                                                            << "<ini> はUTF-8で保存されているため、日本語の部分(フォルダ名など)を正しく読めません。"
                                                               "Shift_JIS(Windows-31J)で保存しなおしてください。\n"
                                                            << "utf8 ini";
        QTest::newRow("an unreadable Tovra.ini is no set of defaults") << QStringList{"--build", "Hello"} << 1 << ""
                                                                       << "<ini>: 読みこめませんでした。" << "unreadable";
    }

    void answersWithoutRunningATool()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(QString, setUp);
        ProjectSandbox box;
        QVERIFY(box.isValid());
        const QByteArray sourceBefore = "// \xe3\x81\x82\r\n";
        if (setUp == QLatin1String("utf8"))
            QVERIFY(box.writeFile(QStringLiteral("src/Hello.java"), sourceBefore));
        if (setUp == QLatin1String("utf8 ini"))
            QVERIFY(writeBytes(box.store.settingsFilePath(),
                                   // ＳＤＫ: kana and kanji in UTF-8 often read as Windows-31J too;
                                   // fullwidth letters never do.
                                   "[Global]\r\nJAVA_PATH=/nowhere/jdk\r\n"
                                   "DOJA_PATH=/nowhere/\xef\xbc\xb3\xef\xbc\xa4\xef\xbc\xab\r\n"));
        if (setUp == QLatin1String("unreadable"))
            QVERIFY(QFile::remove(box.store.settingsFilePath()) && QDir().mkdir(box.store.settingsFilePath()));
        err.replace(QStringLiteral("<ini>"), QDir::toNativeSeparators(box.store.settingsFilePath()));
        const Outcome outcome = runIn(box, arguments);
        if (setUp == QLatin1String("utf8"))
            QCOMPARE(readBytes(box.inProject(QStringLiteral("src/Hello.java"))), sourceBefore);
        QTEST(outcome.exitCode, "exitCode");
        QVERIFY2(out.isEmpty() ? outcome.out.isEmpty() : outcome.out.startsWith(out), qPrintable(outcome.out));
        QVERIFY2(err.isEmpty() ? outcome.err.isEmpty() : outcome.err.startsWith(err), qPrintable(outcome.err));
        QCOMPARE(box.runners.runnersCreated, 0);
    }

    // Each platform's usage names its own program and its own way to stop.
    void usageFitsThePlatform_data()
    {
        QTest::addColumn<int>("flavour");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");  // how out (exit 0) or err begins
        QTest::addColumn<QString>("absent");   // what the text must not hold
        const int posix = int(HeadlessFlavour::Posix);
        const int windows = int(HeadlessFlavour::WindowsConsole);
        QTest::newRow("POSIX help names its signals") << posix << QStringList{"--help"} << 0
                                                      << "使い方: quenvel [--build 名前 | --run 名前 | --upload 名前 | --help]\n"
                                                      << "quenvel-cli";
        QTest::newRow("Windows help names no POSIX signal") << windows << QStringList{"--help"} << 0
                                                            << "使い方: quenvel-cli [--build 名前 | --run 名前 | --upload 名前 | --help | /?]\n"
                                                            << "SIG";
        QTest::newRow("/? is help") << windows << QStringList{"/?"} << 0 << "使い方: quenvel-cli" << "SIG";
        QTest::newRow("/? with more is a usage error") << windows << QStringList{"/?", "Hello"} << 2
                                                       << "余分な引数があります: Hello\nquenvel-cli --help で使い方を表示します。\n"
                                                       << "";
        QTest::newRow("Windows usage error points to its own help") << windows << QStringList{} << 2
                                                                   << "操作が指定されていません。\nquenvel-cli --help で使い方を表示します。\n"
                                                                   << "";
    }

    void usageFitsThePlatform()
    {
        QFETCH(int, flavour);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, printed);
        QFETCH(QString, absent);
        ProjectSandbox box;
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        const int code = runHeadless(QStringList{QStringLiteral("quenvel")} + arguments, box.store, box.runners, box.ftp,
                                     box.clock, out, err, HeadlessFlavour(flavour));
        QCOMPARE(code, exitCode);
        const QString text = exitCode == 0 ? outText : errText;
        QVERIFY2(text.startsWith(printed), qPrintable(text));
        QVERIFY2(absent.isEmpty() || !text.contains(absent), qPrintable(text));
        QVERIFY(isHeadlessInvocation(QStringList{QStringLiteral("quenvel")} + arguments) || arguments.isEmpty());
    }

    // A CR at the end of a piece may be the first half of a CR LF: it waits.
    void logStreamsWithLf()
    {
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        HeadlessWorkbench bench(out, err);
        bench.report(SessionEvents::ToolOutput{QStringLiteral("one\r")});
        QCOMPARE(outText, QStringLiteral("one"));
        bench.report(SessionEvents::Message{QStringLiteral("\ntwo\r\nlast\r")});
        bench.report(SessionEvents::Diagnostic{});
        bench.finish();
        QCOMPARE(outText, QStringLiteral("one\ntwo\nlast\r"));
        bench.showMessage(QStringLiteral("first\r\nsecond"));
        QCOMPARE(errText, QStringLiteral("first\nsecond\n"));
    }

    void actionRoads_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("failing");  // the stage whose tool fails, or "descriptor", "source", "archive", "jdk"
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("lastLine");
        const QString succeeded = QStringLiteral("コンパイルは正常に終了しました。\n");
        const QString measured = succeeded;
        QTest::newRow("success") << "--build" << QString() << 0 << measured;
        QTest::newRow("compile failure, CR LF output") << "--build" << "compile" << 1 << "failed\n\nコンパイルは失敗しました。\n";
        QTest::newRow("preverify failure, the log ends well") << "--build" << "preverify" << 1 << measured;
        QTest::newRow("archive failure") << "--build" << "package" << 1 << succeeded;
        QTest::newRow("no archive although jar ended well") << "--build" << "archive" << 1 << succeeded;
        QTest::newRow("descriptor not written") << "--build" << "descriptor" << 1 << measured;
        QTest::newRow("source not saved") << "--build" << "source" << 1 << "\nコンパイルは失敗しました。\n";
        // No JDK, no compiler: the machine's own javac must not stand in for it.
        QTest::newRow("no JDK") << "--build" << "jdk" << 1 << kNoJdk + QStringLiteral("\nコンパイルは失敗しました。\n");
        // A quote would end the quoted program and start sh -c with the rest.
        QTest::newRow("a quote in JAVA_PATH runs nothing") << "--build" << "quote" << 1
            << QStringLiteral("Tovra.iniのJAVA_PATHの値に「\"」は使えません。JAVA_PATHを直してください。\nコンパイルは失敗しました。\n");
        QTest::newRow("run: the emulator ends well")
            << "--run" << QString() << 0 << "started\n\n";
        QTest::newRow("run: the emulator fails")
            << "--run" << "emulator" << 1 << "failed\n\nエミュレータが終了しました。(終了コード 1)\n";
    }

    void actionRoads()
    {
        QFETCH(QString, action);
        QFETCH(QString, failing);
        ProjectSandbox::Options options;
        if (failing == QLatin1String("jdk"))
            options.javaPath = QString();
        if (failing == QLatin1String("quote"))
            options.javaPath = QStringLiteral("/bin/sh\" \"-c\" \"touch x;");
        ProjectSandbox box(options);
        QVERIFY(box.isValid());
        const bool noTool = failing == QLatin1String("source") || failing == QLatin1String("jdk")
                            || failing == QLatin1String("quote");
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
        const QMap<QString, QString> stages = {{compileCommandLine(tools), QStringLiteral("compile")},
                                               {preverifyCommandLine(tools), QStringLiteral("preverify")},
                                               {packageCommandLine(tools, box.name()), QStringLiteral("package")},
                                               {emulatorCommandLine(tools, box.name()), QStringLiteral("emulator")}};
        box.runners.answer = [&](const QString &line) {
            const QString stage = stages.value(line);
            if (stage == failing)  // CR LF becomes CR CR LF in the log and one LF on standard output
                return CommandResult{1, QStringLiteral("failed\r\n")};
            if (stage == QLatin1String("package") && failing != QLatin1String("archive"))
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return CommandResult{0, stage == QLatin1String("emulator") ? QStringLiteral("started\n") : QString()};
        };
        if (failing == QLatin1String("descriptor"))
            QVERIFY(box.makeFolder(QStringLiteral("bin/Hello.jam/keep")));
        if (action == QLatin1String("--run"))  // built before
            QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jam"), "AppClass = Hello\r\n"));
        if (failing == QLatin1String("source"))
            QVERIFY(box.writeFile(QStringLiteral("src/Hello.java"), "// \x81 \r\n"));

        const Outcome outcome = runIn(box, {action, QStringLiteral("Hello")});
        QTEST(outcome.exitCode, "exitCode");
        QVERIFY2(outcome.out.startsWith(QStringLiteral("プロジェクト [Hello] は読みこまれました\n")), qPrintable(outcome.out));
        const QString firstTool = stages.key(action == QLatin1String("--run") ? QStringLiteral("emulator") : QStringLiteral("compile"));
        QVERIFY(noTool || outcome.out.contains(QLatin1Char('\n') + firstTool + QLatin1Char('\n')));
        QFETCH(QString, lastLine);
        QVERIFY2(outcome.out.endsWith(lastLine), qPrintable(outcome.out));
        QVERIFY(!outcome.out.contains(QLatin1Char('\r')));
        QCOMPARE(box.runners.runnersCreated, noTool ? 0 : 1);
        const QString err = failing == QLatin1String("jdk")
                                ? toLfLineEnds(noJdkMessage(QDir::toNativeSeparators(box.store.settingsFilePath()))) + QLatin1Char('\n')
                                : QString();
        QVERIFY2(err.isEmpty() ? outcome.err.isEmpty() : outcome.err.startsWith(err), qPrintable(outcome.err));
    }

    // Settings files as users leave them, each built twice: every line the
    // user wrote stays as it was; only lastProject and the descriptor's
    // digest are the program's to write.
    void mutatedSettingsSurviveBuilds()
    {
        const QStringList pieces = {
            "memo=ask about the icon", "SPsize=512", "spsize=256", "UseTelephone=call", "GetUtn=terminalid",
            "TargetProfile=DoJa-2.0", "AppName=ゲーム", "UseNetwork=yes", "DrawArea=0x0", "SPsize=99999999999",
            "maj=", "or=3", "[Hello]", "; a comment", "", "  AppParam = a b  ", "noequals", "[Other]", "x=1",
            "TargetProfile=DoJa-9", "DrawArea=9999x9999", "ProfileVer=DoJa-1.0", "AppClass=Other", "Shrink=yes",
        };
        QRandomGenerator random(20261208);
        for (int round = 0; round < 200; ++round) {
            ProjectSandbox box;
            QVERIFY(box.isValid());
            QStringList lines = fromCodePage(readBytes(box.store.settingsFilePath())).split(QStringLiteral("\r\n"));
            lines.removeLast();
            lines << "[Hello]" << "Name=Hello" << "major=1" << "minor=0";
            for (int i = random.bounded(1, 6); i > 0; --i)
                lines.insert(random.bounded(1, int(lines.size()) + 1), pieces[random.bounded(int(pieces.size()))]);
            const QByteArray before = toCodePage(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).value();
            QVERIFY(writeBytes(box.store.settingsFilePath(), before));
            for (int build = 0; build < 2; ++build) {
                runIn(box, {QStringLiteral("--build"), QStringLiteral("Hello")});
                const QList<QByteArray> after = readBytes(box.store.settingsFilePath()).split('\n');
                const auto own = [](const QByteArray &line) {
                    return line.startsWith("lastProject=") || line.startsWith("jamChecked=");
                };
                QList<QByteArray> kept;
                for (const QByteArray &line : before.split('\n')) {
                    if (!own(line))
                        kept << line;
                }
                QList<QByteArray> left;
                for (const QByteArray &line : after) {
                    if (!own(line))
                        left << line;
                }
                QVERIFY2(left == kept, qPrintable(QStringLiteral("round %1, build %2:\n%3\n---\n%4")
                                                      .arg(round).arg(build)
                                                      .arg(QString::fromLatin1(before), fromCodePage(readBytes(box.store.settingsFilePath())))));
            }
        }
    }
};

QTEST_GUILESS_MAIN(HeadlessTest)
#include "tst_headless.moc"
