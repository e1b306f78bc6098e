#include "app/project_paths.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/emulator_launch.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "project_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTest>

namespace {

enum class Stage { Compile, Preverify, Package, Resources };

// The stage a command line belongs to, by its exact text.
Stage stageOf(const ProjectSandbox &box, const QString &line)
{
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    const qsizetype stage = QStringList{compileCommandLine(s, style), preverifyCommandLine(s, style),
                                        packageCommandLine(s, style), resourceCommandLine(s, style)}.indexOf(line);
    if (stage < 0)
        qFatal("unknown command line %s", qPrintable(line));
    return Stage(stage);
}

// %COMPILE% and the like stand for texts that depend on the sandbox's folder.
QString expand(const ProjectSandbox &box, QString text)
{
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    return text.replace(QStringLiteral("%COMPILE%"), compileCommandLine(s, style))
        .replace(QStringLiteral("%PREVERIFY%"), preverifyCommandLine(s, style))
        .replace(QStringLiteral("%JAR%"), ProjectPaths::current(s, style).archive())
        .replace(QStringLiteral("%JAM%"), ProjectPaths::current(s, style).descriptor())
        .replace(QStringLiteral("%HTM%"), ProjectPaths::current(s, style).page())
        .replace(QStringLiteral("%PF%"), s.ProjectFolder);
}

const QString kProductLines = QStringLiteral("JAMファイルを保存しました。 %JAM%\r\n"
                                             "HTMLファイルを保存しました。%HTM%\r\n"
                                             "コンパイルは正常に終了しました。\r\n");
const QString kJarFailure =
    QStringLiteral("JARファイルの生成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。\r\n");

} // namespace

Q_DECLARE_METATYPE(CommandResult)

class BuildPipelineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandLines_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("dojaPath");
        QTest::addColumn<QString>("classPath");  // null: the default
        QTest::addColumn<QString>("bootClassPath");
        QTest::addColumn<QStringList>("lines");  // compile, preverify, package, resources, emulator

        QTest::newRow("windows defaults")
            << true << QStringLiteral(R"(D:\sdk)") << QString() << QString()
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java)",
                           R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\lib\dojatest.zip";"D:\sdk\lib\kenv.zip";.;"D:\sdk\lib\dojaapi.jar" -Dkvem.home="D:\sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"};
        QTest::newRow("windows: class paths by hand go in verbatim, a trailing backslash doubles")
            << true << QStringLiteral(R"(D:\sdk\)") << QStringLiteral(R"("E:\my libs\a.jar";b.jar)") << QStringLiteral(R"(E:\boot.jar)")
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath "E:\my libs\a.jar";b.jar;.\src\ -bootclasspath E:\boot.jar src\*.java)",
                           R"("D:\sdk\\bin\preverify" -classpath tmpclasses;"D:\sdk\\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\\lib\dojatest.zip";"D:\sdk\\lib\kenv.zip";"E:\my libs\a.jar";b.jar -Dkvem.home="D:\sdk\"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"};
        QTest::newRow("posix sdk folder with blanks")
            << false << QStringLiteral("/home/u/my sdk") << QString() << QString()
            << QStringList{R"("c:\jdk1.3.1/bin/javac" -d tmpclasses -classpath .:"/home/u/my sdk/lib/dojaapi.jar":./src/ -bootclasspath .:"/home/u/my sdk/lib/dojaapi.jar" src/*.java)",
                           R"("/home/u/my sdk/bin/preverify" -classpath tmpclasses:"/home/u/my sdk/lib/dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1/bin/jar" cMf ../bin/Hello.jar *)",
                           R"("c:\jdk1.3.1/bin/jar" uMf ../bin/Hello.jar *)",
                           R"("c:\jdk1.3.1/bin/java" -classpath "/home/u/my sdk/lib/dojatest.zip":"/home/u/my sdk/lib/kenv.zip":.:"/home/u/my sdk/lib/dojaapi.jar" -Dkvem.home="/home/u/my sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin/Hello.jam)"};
    }

    void commandLines()
    {
        QFETCH(bool, windows);
        QFETCH(QString, dojaPath);
        QFETCH(QString, classPath);
        QFETCH(QString, bootClassPath);
        const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
        AppSettings s;
        s.lastProject = QStringLiteral("Hello");
        s.JAVA_PATH = QStringLiteral(R"(c:\jdk1.3.1)");
        s.DOJA_PATH = dojaPath;
        s.CLASSPATH = classPath.isNull() ? defaultClassPath(dojaPath, style) : classPath;
        s.BOOTCLASSPATH = bootClassPath.isNull() ? defaultClassPath(dojaPath, style) : bootClassPath;
        deriveToolchainPaths(s, style);
        QTEST((QStringList{compileCommandLine(s, style), preverifyCommandLine(s, style), packageCommandLine(s, style),
                           resourceCommandLine(s, style), emulatorCommandLine(s, style)}),
              "lines");
    }

    void roads_data()
    {
        QTest::addColumn<int>("stage");              // the stage whose tool answers; the others succeed silently
        QTest::addColumn<CommandResult>("answer");
        QTest::addColumn<QStringList>("resFiles");  // below res; a trailing / makes a folder
        QTest::addColumn<QString>("log");            // after the compiler's line
        QTest::addColumn<int>("stagesRun");
        QTest::addColumn<bool>("canRunAfter");
        QTest::addColumn<bool>("complete");  // every stage worked: the result, and the exit code without a window

        const int compile = int(Stage::Compile);
        const int preverify = int(Stage::Preverify);
        const CommandResult ok;
        const QStringList icon = {QStringLiteral("icon.gif")};
        QTest::newRow("all stages pass, res empty") << compile << ok << QStringList() << kProductLines << 3 << true << true;
        QTest::newRow("all stages pass, res holds a file")
            << compile << ok << icon << "JARファイルを保存しました。 %JAR%\r\n" + kProductLines << 4 << true << true;
        QTest::newRow("res with only a subfolder, a hidden file and an empty folder has no resource stage")
            << compile << ok << QStringList{"pictures/icon.gif", ".icon.gif", "empty/"} << kProductLines << 3 << true << true;
        QTest::newRow("compiler errors end the build") << compile << CommandResult{1, QStringLiteral("a\nb\n")} << icon
                                                       << "a\r\nb\r\n\r\nコンパイルは失敗しました。\r\n" << 1 << false << false;
        QTest::newRow("javac's notes stand in the log and the build goes on")
            << compile << CommandResult{0, QStringLiteral("Note: Hello.java uses or overrides a deprecated API.\n"
                                                          "Note: Recompile with -deprecation for details.\n")}
            << QStringList() << "Note: Hello.java uses or overrides a deprecated API.\r\n"
                                "Note: Recompile with -deprecation for details.\r\n" + kProductLines << 3 << true << true;
        QTest::newRow("other output with exit 0 ends the build")
            << compile << CommandResult{0, QStringLiteral("Note: fine\nwarning: not fine")} << QStringList()
            << "Note: fine\r\nwarning: not fine\r\nコンパイルは失敗しました。\r\n" << 1 << false << false;
        QTest::newRow("a stopped compiler ends the build")
            << compile << CommandResult{-1, QStringLiteral("javac を中止しました。"), true} << QStringList()
            << "javac を中止しました。\r\nコンパイルは失敗しました。\r\n" << 1 << false << false;
        QTest::newRow("silent compiler failure still says so")
            << compile << CommandResult{2, QString()} << QStringList() << "\r\nコンパイルは失敗しました。\r\n" << 1 << false << false;
        QTest::newRow("a stopped preverifier ends the build after its failure lines")
            << preverify << CommandResult{-1, QStringLiteral("preverify を中止しました。"), true} << icon
            << "%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\npreverify を中止しました。\r\n" << 2 << true << false;
        QTest::newRow("preverify failure is logged with its line and the build goes on")
            << preverify << CommandResult{1, QStringLiteral("bad.txt\n")} << QStringList()
            << "%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\nbad.txt\r\n\r\n" + kProductLines << 3 << true << false;
        QTest::newRow("package failure is logged and the build goes on")
            << int(Stage::Package) << CommandResult{1, QStringLiteral("jar: cannot write\n")} << QStringList()
            << kJarFailure + "jar: cannot write\r\n\r\n" + kProductLines << 3 << true << false;
        QTest::newRow("resource failure replaces the JAR saved line")
            << int(Stage::Resources) << CommandResult{1, QStringLiteral("jar: no")} << icon
            << kJarFailure + "jar: no\r\n" + kProductLines << 4 << true << false;
    }

    void roads()
    {
        QFETCH(int, stage);
        QFETCH(CommandResult, answer);
        QFETCH(QStringList, resFiles);
        QFETCH(QString, log);
        QFETCH(bool, canRunAfter);
        ProjectSandbox box;
        QVERIFY(box.isValid());
        for (const QString &file : resFiles) {
            const QString path = QStringLiteral("res/") + file;
            QVERIFY(file.endsWith(QLatin1Char('/')) ? box.makeFolder(path) : box.writeFile(path, "GIF89a"));
        }
        box.bench.log = QStringLiteral("プロジェクト [Hello] は読みこまれました\r\n");
        box.bench.windowFlags.CanRun = !canRunAfter;
        box.runners.answer = [&](const QString &line) {
            const CommandResult result = int(stageOf(box, line)) == stage ? answer : CommandResult{};
            if (stageOf(box, line) == Stage::Package && result.result == 0)
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return result;
        };

        Services services = box.services();
        QTEST(Compile_Click(services), "complete");
        QCOMPARE(box.bench.log, expand(box, QStringLiteral("\r\n%COMPILE%\r\n") + log));
        QTEST(int(box.runners.commands.size()), "stagesRun");
        QCOMPARE(box.bench.windowFlags.CanRun, canRunAfter);
        QVERIFY(box.bench.windowFlags.CanUpload);
        QVERIFY(!box.bench.busy);
    }

    void blockedRoads_data()
    {
        QTest::addColumn<QString>("blocked");  // a file in a folder's place; a trailing / a folder in a file's place
        QTest::addColumn<QString>("log");
        QTest::newRow("a file in bin's place") << "bin" << "\r\n%PF%/binを作成できませんでした。\r\n";
        QTest::newRow("a file in classes' place") << "classes" << "\r\n%PF%/classesを作成できませんでした。\r\n";
        QTest::newRow("descriptor not written, the build goes on")
            << "bin/Hello.jam/"
            << "\r\n%COMPILE%\r\n%JAM%の保存に失敗しました。\r\n%JAM%: %WHY%\r\nHTMLファイルを保存しました。%HTM%\r\nコンパイルは正常に終了しました。\r\n";
        QTest::newRow("page not written, the build goes on")
            << "bin/Hello.htm/"
            << "\r\n%COMPILE%\r\nJAMファイルを保存しました。 %JAM%\r\n%HTM%の保存に失敗しました。\r\n%HTM%: %WHY%\r\nコンパイルは正常に終了しました。\r\n";
        QTest::newRow("no runner") << "<no runner>" << "\r\n%COMPILE%\r\nコマンドを実行できませんでした。\r\n";
    }

    void blockedRoads()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, log);
        ProjectSandbox box;
        QVERIFY(box.isValid());
        box.runners.answer = [&box](const QString &line) {
            if (stageOf(box, line) == Stage::Package)
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return CommandResult{};
        };
        if (blocked == QLatin1String("<no runner>"))
            box.runners.failCreation = true;
        else if (blocked.endsWith(QLatin1Char('/')))
            QVERIFY(box.writeFile(blocked + QStringLiteral("keep"), "x"));  // a folder that is not empty
        else
            QVERIFY(QDir(box.inProject(blocked)).removeRecursively() && box.writeFile(blocked, "in the way"));

        Services services = box.services();
        QVERIFY(!Compile_Click(services));
        // The system words the reason; it follows the path on a line of its own.
        QString actual = box.bench.log;
        actual.replace(QRegularExpression(QStringLiteral(": [^\r\n]+\r\n")), QStringLiteral(": %WHY%\r\n"));
        QCOMPARE(actual, expand(box, log));
        QVERIFY(box.bench.windowFlags.CanRun);
        QVERIFY(!box.bench.busy);
    }

    // Where each tool runs and which folders it finds, the real tools' road shows.
    void eachBuildSavesFirstAndRunsBusyOnItsOwnRunner()
    {
        ProjectSandbox box;
        QVERIFY(box.isValid());
        QVERIFY(box.writeFile(QStringLiteral("res/icon.gif"), "GIF89a"));
        QVERIFY(box.writeFile(QStringLiteral("classes/Old.class"), "old class"));
        const QString edited = QStringLiteral("public class Hello extends IApplication { }\r\n");
        box.bench.source = edited;
        box.bench.modified = true;
        QByteArray seenByCompiler;
        QList<bool> busyWhileRunning;
        QList<int> eventStepsBefore;
        box.runners.answer = [&](const QString &line) {
            if (stageOf(box, line) == Stage::Compile)
                seenByCompiler = readBytes(box.settings().SourcePath);
            if (stageOf(box, line) == Stage::Package)
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            busyWhileRunning << box.bench.busy;
            eventStepsBefore << box.bench.processEventsCount;
            return CommandResult{};
        };
        Services services = box.services();
        QVERIFY(Compile_Click(services));

        QCOMPARE(seenByCompiler, edited.toLatin1());
        QCOMPARE(readBytes(box.inProject(QStringLiteral("classes/Old.class"))), QByteArray("old class"));
        QCOMPARE(busyWhileRunning, QList<bool>(4, true));
        // Events are processed once, before the first tool, and never again.
        QCOMPARE(eventStepsBefore, QList<int>(4, 1));
        QCOMPARE(box.runners.runnersCreated, 1);

        const QString first = box.bench.log;
        QVERIFY(Compile_Click(services));
        QCOMPARE(box.bench.log, first);
        QCOMPARE(box.runners.runnersCreated, 2);
    }
};

QTEST_GUILESS_MAIN(BuildPipelineTest)
#include "tst_build_pipeline.moc"
