#include "build/command_line.h"
#include "build/process_runner.h"
#include "build/tool_group.h"
#include "file_bytes.h"
#include "live_processes.h"
#include "test_paths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

namespace {

#ifdef Q_OS_LINUX
// Gone, or a zombie that nobody reaps: its sockets are closed either way.
bool hasEnded(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "Z";
}
#endif

CommandResult runIn(const QString &folder, const QString &line)
{
    QString handedOver;
    const CommandResult result = ProcessCommandRunnerFactory().CreateCommandRunner()->RunCommand(
        line, folder, [&handedOver](const QString &piece) { handedOver += piece; });
    // The run is given its folder; the program's own stays where it was.
    if (QDir::currentPath() == QDir(folder).canonicalPath())
        return {-9, QStringLiteral("moved")};
    // The sink is handed all of the output, the runner's own lines too.
    return handedOver == result.output ? result : CommandResult{-9, QStringLiteral("the sink had: ") + handedOver.right(200)};
}

// A tool that writes the first bytes, waits until the file "seen" exists
// and writes the second; it gives up after some seconds, with exit code 1.
QString writeThenWait(const QString &folder, const QByteArray &first, const QByteArray &second)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    const auto escaped = [](const QByteArray &bytes) {
        QString text;
        for (const char byte : bytes)
            text += QStringLiteral("\\x%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
        return text;
    };
    return QStringLiteral("\"%1\\fake_tool.exe\" out=%2 wait=seen out=%3").arg(fakesDir(), escaped(first), escaped(second));
#else
    const auto escaped = [](const QByteArray &bytes) {
        QByteArray text;
        for (const char byte : bytes)
            text += '\\' + QByteArray::number(uchar(byte), 8).rightJustified(3, '0');
        return text;
    };
    const QByteArray script = "printf '" + escaped(first) + "'\n"
                              "tries=0\n"
                              "until [ -e seen ]; do\n"
                              "  tries=$((tries + 1))\n"
                              "  if [ $tries -gt 500 ]; then echo gave up waiting; exit 1; fi\n"
                              "  sleep 0.01\n"
                              "done\n"
                              "printf '" + escaped(second) + "'\n";
    if (!writeBytes(folder + QStringLiteral("/tool.sh"), script))
        return QString();
    return QStringLiteral("/bin/sh tool.sh");
#endif
}

} // namespace

class CommandRunnerTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splitsLikeTheWindowsTools_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("blanks, leading and trailing too") << "  a  b\tc  " << QStringList{"a", "b", "c"};
        QTest::newRow("quoted program") << "\"/opt/my jdk/bin/javac\" -d tmpclasses"
                                        << QStringList{"/opt/my jdk/bin/javac", "-d", "tmpclasses"};
        QTest::newRow("quotes in the middle of an argument")
            << "x -classpath .:\"/a b/lib/dojaapi.jar\":./src/" << QStringList{"x", "-classpath", ".:/a b/lib/dojaapi.jar:./src/"};
        QTest::newRow("empty quotes give an empty argument") << "x \"\" y" << QStringList{"x", "", "y"};
        QTest::newRow("unclosed quote runs to the end") << "x \"a b" << QStringList{"x", "a b"};
        QTest::newRow("star, sorted, hidden left out") << "jar cMf x.jar *"
                                                       << QStringList{"jar", "cMf", "x.jar", "B.class", "a.class", "pkg", "src", "z b.png"};
        QTest::newRow("folder part") << "javac src/*.java" << QStringList{"javac", "src/Hello.java", "src/Main.java"};
        QTest::newRow("question mark") << "x ?.class" << QStringList{"x", "B.class", "a.class"};
        QTest::newRow("no match stays literal") << "x *.gif" << QStringList{"x", "*.gif"};
        QTest::newRow("quoted star stays literal") << "x \"*\"" << QStringList{"x", "*"};
        QTest::newRow("program is never expanded") << "* x" << QStringList{"*", "x"};
    }

    void splitsLikeTheWindowsTools()
    {
        QFETCH(QString, line);
        QTemporaryDir dir;
        for (const char *name : {"a.class", "B.class", ".hidden", "z b.png", "src/Main.java", "src/Hello.java", "src/notes.txt"})
            QVERIFY(touch(dir.filePath(QLatin1String(name))));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("pkg")));
        QTEST(splitCommandLine(line, dir.path()), "arguments");
    }

    void runsRealPrograms_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("output");
#ifdef Q_OS_WIN
        // Wine hands back 0 for every Linux program: the tool is a Windows one.
        const QString tool = fakesDir() + QStringLiteral("\\fake_tool.exe");
        const QString quoted = QLatin1Char('"') + tool + QLatin1Char('"');
        QTest::newRow("silent") << quoted << 0 << "";
        QTest::newRow("silent failure names the program and its code")
            << quoted + " exit=3" << 3 << tool + " が終了コード 3 で終了しました。";
        QTest::newRow("failure that printed keeps its words") << quoted + " out=no\\n exit=2" << 2 << "no\n";
        QTest::newRow("crash") << quoted + " out=dying\\n crash" << -1 << "dying\n" + tool + " が異常終了しました。";
        QTest::newRow("stderr merged, CR LF delivered as LF") << quoted + " out=out\\r\\n err=err\\n" << 0 << "out\nerr\n";
        QTest::newRow("in the current directory") << quoted + " list=*.txt" << 0 << "only-here.txt\n";
        // The tool splits its own line: blanks, quotes and stars reach it as written.
        const QString asWritten = quoted + QStringLiteral(" line  \"a  b\" *.txt $(x) ; x > y \"");
        QTest::newRow("the line goes to the tool unchanged") << asWritten << 0 << asWritten + "\n";
        QTest::newRow("missing program") << "\"C:\\no\\such\\bin\\javac\" -d tmpclasses" << -1
                                         << "C:\\no\\such\\bin\\javac を起動できませんでした: ";
        // Not zeros: Qt's Windows decoder drops a last zero byte.
        QTest::newRow("runaway output is cut") << quoted + " fill=6000000" << 0
                                               << QString(kMaxCapturedOutput, QLatin1Char('x'))
                                                      + "\n(出力が長すぎるため、ここで打ち切りました)";
#else
        QTest::newRow("silent") << "/bin/true" << 0 << "";
        QTest::newRow("silent failure names the program and its code")
            << "/bin/sh -c \"exit 3\"" << 3 << "/bin/sh が終了コード 3 で終了しました。";
        QTest::newRow("failure that printed keeps its words") << "/bin/sh -c \"echo no; exit 2\"" << 2 << "no\n";
        QTest::newRow("crash") << "/bin/sh -c \"echo dying; kill -9 $$\"" << -1 << "dying\n/bin/sh が異常終了しました。";
        QTest::newRow("stderr merged, CR LF delivered as LF")
            << "/bin/sh -c \"printf 'out\\r\\n'; printf 'err\\n' >&2\"" << 0 << "out\nerr\n";
        QTest::newRow("in the current directory") << "/bin/ls *.txt" << 0 << "only-here.txt\n";
        QTest::newRow("shell syntax is data")
            << "/bin/echo $(touch made1) `touch made2` ; touch made3 & touch made4 | x > made5" << 0
            << "$(touch made1) `touch made2` ; touch made3 & touch made4 | x > made5\n";
        QTest::newRow("missing program") << "\"/no/such/bin/javac\" -d tmpclasses" << -1
                                         << "/no/such/bin/javac を起動できませんでした: ";
        QTest::newRow("runaway output is cut") << "/usr/bin/head -c 100000000 /dev/zero" << 0
                                               << QString(kMaxCapturedOutput, QChar(0))
                                                      + "\n(出力が長すぎるため、ここで打ち切りました)";
#endif
    }

    void runsRealPrograms()
    {
        QFETCH(QString, line);
        QFETCH(QString, output);
        QTemporaryDir dir;
        QVERIFY(touch(dir.filePath(QStringLiteral("only-here.txt"))));
        const CommandResult run = runIn(dir.path(), line);
        QTEST(run.result, "result");
        // Output ending in ": " goes on with the system's own words, on that line.
        const bool exact = !output.endsWith(QStringLiteral(": "));
        QVERIFY2(exact ? run.output == output : run.output.startsWith(output) && !run.output.contains(QLatin1Char('\n')),
                 qPrintable(run.output.right(200)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("only-here.txt")});
    }

    // The tool goes on only once the sink has its first line: without the
    // line as it arrives, the tool gives up and the run fails.
    void outputArrivesWhileTheToolRuns_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("LF") << QByteArray("one\n") << QByteArray("two\n") << QStringList{"one\n", "two\n"};
        QTest::newRow("CR LF as LF, also with the CR in one read and the LF in the next")
            << QByteArray("one\r\ntwo\r") << QByteArray("\n") << QStringList{"one\n", "two\n"};
        QTest::newRow("last line without LF comes at the end") << QByteArray("one\n") << QByteArray("two")
                                                               << QStringList{"one\n", "two"};
        const QByteArray character = QStringLiteral("あ").toLocal8Bit();
        QTest::newRow("character split across reads") << "one\n" + character.left(1) << character.mid(1) + "\n"
                                                      << QStringList{"one\n", "あ\n"};
#ifndef Q_OS_WIN
        // Dropped at the start of the output only, as when it is decoded whole.
        QTest::newRow("byte order mark inside the output stays") << QByteArray("\xEF\xBB\xBFone\n") << QByteArray("\xEF\xBB\xBFtwo\n")
                                                                 << QStringList{"one\n", QChar(0xFEFF) + QStringLiteral("two\n")};
#endif
    }

    void outputArrivesWhileTheToolRuns()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QTemporaryDir dir;
        const QString line = writeThenWait(dir.path(), first, second);
        QVERIFY(!line.isEmpty());
        QStringList pieces;
        const CommandResult run = ProcessCommandRunnerFactory().CreateCommandRunner()->RunCommand(
            line, dir.path(), [&](const QString &piece) {
                if (pieces.isEmpty())
                    touch(dir.filePath(QStringLiteral("seen")));
                pieces << piece;
            });
        QTEST(pieces, "pieces");
        QCOMPARE(run.result, 0);
        QCOMPARE(pieces.join(QString()), run.output);
    }

    void stopEndsTheToolAndTheAction_data()
    {
        QTest::addColumn<bool>("forGood");
        QTest::newRow("Esc: the next action runs again") << false;
        QTest::newRow("signal: nothing runs any more") << true;
    }

    void stopEndsTheToolAndTheAction()
    {
        QFETCH(bool, forGood);
        // Both shells carry the marker; the inner one stands for a child the tool started.
        const QString marker = QStringLiteral("quenvel-hung-%1-%2").arg(QCoreApplication::applicationPid()).arg(int(forGood));
#ifdef Q_OS_WIN
        const QString program = fakesDir() + QStringLiteral("\\fake_tool.exe");
        const QString hung = QStringLiteral("\"%1\" out=started\\n child=%2 sleep=20000 %2").arg(program, marker);
        const QString touch = QStringLiteral("\"%1\" make=made").arg(program);
        const QString silent = QLatin1Char('"') + program + QLatin1Char('"');
#else
        const QString program = QStringLiteral("/bin/sh");
        const QString hung = QStringLiteral("/bin/sh -c \"echo started; /bin/sh -c 'sleep 20; : %1'; : %1\"").arg(marker);
        const QString touch = QStringLiteral("/usr/bin/touch made");
        const QString silent = QStringLiteral("/bin/true");
#endif
        QTemporaryDir dir;
        const auto cleanUp = qScopeGuard([&] { killProcessesWith(marker); });

        ProcessCommandRunnerFactory factory;
        factory.stopRunning();  // with nothing running: no effect on what follows
        const std::unique_ptr<CommandRunner> runner = factory.CreateCommandRunner();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            if (processesWith(marker).size() < 2)
                return;
            poll.stop();
            forGood ? factory.stopForGood() : factory.stopRunning();
        });
        poll.start(20);
        QElapsedTimer clock;
        clock.start();
        const CommandResult run = runner->RunCommand(hung, dir.path());
        QVERIFY2(clock.elapsed() < 10000, "the stop waited for the tool to end by itself");
        QVERIFY(run.stopped && run.result != 0);
        QCOMPARE(run.output, QStringLiteral("started\n") + program + QStringLiteral(" を中止しました。"));
        QVERIFY(noneLeftWithin(marker, 3000));

        const CommandResult again = runner->RunCommand(touch, dir.path());
        QVERIFY(again.stopped && again.result != 0);
        QCOMPARE(again.output, splitCommandLine(touch, dir.path()).value(0) + QStringLiteral(" を中止しました。"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("made"))));

        const CommandResult later = factory.CreateCommandRunner()->RunCommand(silent, dir.path());
        QCOMPARE(later.stopped, forGood);
        QCOMPARE(later.result == 0, !forGood);
    }

    // A tool that ends well may still leave a child running in the background.
    void whatAToolLeavesRunningEndsWithIt_data()
    {
        QTest::addColumn<bool>("guardianKilled");  // before the tool, as a crash or a task manager would
        QTest::newRow("under the program's guardian") << false;
        QTest::newRow("a killed guardian is replaced for the next tool") << true;
    }

    void whatAToolLeavesRunningEndsWithIt()
    {
#ifndef Q_OS_LINUX
        QSKIP("the guard that ends a tool's leftovers is Linux's; the tool here is a POSIX shell");
#else
        QFETCH(bool, guardianKilled);
        const QString marker = QStringLiteral("quenvel-left-%1-%2").arg(QCoreApplication::applicationPid()).arg(int(guardianKilled));
        const auto cleanUp = qScopeGuard([&] { killProcessesWith(marker); });
        QTemporaryDir dir;
        QCOMPARE(runIn(dir.path(), QStringLiteral("/bin/true")).result, 0);
        const qint64 guardian = toolGuardianProcessId();
        QVERIFY(guardian > 0);
        if (guardianKilled) {
            QCOMPARE(::kill(pid_t(guardian), SIGKILL), 0);
            QVERIFY(QTest::qWaitFor([&] { return hasEnded(guardian); }, 5000));
        }
        ProcessCommandRunnerFactory factory;
        QStringList notes;
        factory.setNoteLog([&notes](const QString &line) { notes << line; });
        const CommandResult run = factory.CreateCommandRunner()->RunCommand(
            QStringLiteral("/bin/sh -c \"/bin/sh -c 'sleep 30; : %1' >/dev/null 2>&1 & echo left\"").arg(marker), dir.path());
        QCOMPARE(run.result, 0);
        QCOMPARE(run.output, QStringLiteral("left\n"));
        QCOMPARE(notes, QStringList());
        QVERIFY(noneLeftWithin(marker, 3000));
        QCOMPARE(toolGuardianProcessId() != guardian, guardianKilled);
#endif
    }
};

QTEST_GUILESS_MAIN(CommandRunnerTest)
#include "tst_command_runner.moc"
