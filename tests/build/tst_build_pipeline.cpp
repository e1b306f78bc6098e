#include "app/project_paths.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "project_sandbox.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

enum class Stage { Compile, Preverify, Package, Resources };
constexpr int kNoRunner = -2;  // a stage of the roads table: no runner can be made

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

// %COMPILE% and the like stand for texts that depend on the sandbox's folder;
// the system's reasons name files in the platform's own spelling (%NATIVE_JAM%).
QString expand(const ProjectSandbox &box, QString text)
{
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    return text.replace(QStringLiteral("%COMPILE%"), compileCommandLine(s, style))
        .replace(QStringLiteral("%PREVERIFY%"), preverifyCommandLine(s, style))
        .replace(QStringLiteral("%JAR%"), ProjectPaths::current(s, style).archive())
        .replace(QStringLiteral("%JAM%"), ProjectPaths::current(s, style).descriptor())
        .replace(QStringLiteral("%HTM%"), ProjectPaths::current(s, style).page())
        .replace(QStringLiteral("%NATIVE_JAM%"), QDir::toNativeSeparators(ProjectPaths::current(s, style).descriptor()))
        .replace(QStringLiteral("%NATIVE_HTM%"), QDir::toNativeSeparators(ProjectPaths::current(s, style).page()))
        .replace(QStringLiteral("%PF%"), s.ProjectFolder);
}

// Every tool but the one of the given stage succeeds silently; jar leaves an archive.
void answerWith(ProjectSandbox &box, int stage = -1, const CommandResult &answer = {})
{
    box.runners.answer = [&box, stage, answer](const QString &line) {
        const CommandResult result = int(stageOf(box, line)) == stage ? answer : CommandResult{};
        if (stageOf(box, line) == Stage::Package && result.result == 0)
            box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
        return result;
    };
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
        QTest::addColumn<QStringList>("classPaths");  // CLASSPATH and BOOTCLASSPATH; none: the defaults
        QTest::addColumn<QStringList>("lines");  // compile, preverify, package, resources, emulator

        QTest::newRow("windows defaults")
            << true << QStringLiteral(R"(D:\sdk)") << QStringList()
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java)",
                           R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\lib\dojatest.zip";"D:\sdk\lib\kenv.zip";.;"D:\sdk\lib\dojaapi.jar" -Dkvem.home="D:\sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"};
        QTest::newRow("windows: class paths by hand go in verbatim, a trailing backslash doubles")
            << true << QStringLiteral(R"(D:\sdk\)") << QStringList{R"("E:\my libs\a.jar";b.jar)", R"(E:\boot.jar)"}
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath "E:\my libs\a.jar";b.jar;.\src\ -bootclasspath E:\boot.jar src\*.java)",
                           R"("D:\sdk\\bin\preverify" -classpath tmpclasses;"D:\sdk\\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\\lib\dojatest.zip";"D:\sdk\\lib\kenv.zip";"E:\my libs\a.jar";b.jar -Dkvem.home="D:\sdk\"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"};
        QTest::newRow("posix sdk folder with blanks")
            << false << QStringLiteral("/home/u/my sdk") << QStringList()
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
        QFETCH(QStringList, classPaths);
        const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
        AppSettings s;
        s.lastProject = QStringLiteral("Hello");
        s.JAVA_PATH = QStringLiteral(R"(c:\jdk1.3.1)");
        s.DOJA_PATH = dojaPath;
        s.CLASSPATH = classPaths.value(0, defaultClassPath(dojaPath, style));
        s.BOOTCLASSPATH = classPaths.value(1, defaultClassPath(dojaPath, style));
        deriveToolchainPaths(s, style);
        QTEST((QStringList{compileCommandLine(s, style), preverifyCommandLine(s, style), packageCommandLine(s, style),
                           resourceCommandLine(s, style), emulatorCommandLine(s, style)}),
              "lines");
    }

    void roads_data()
    {
        QTest::addColumn<int>("stage");              // the stage whose tool answers; the others succeed silently
        QTest::addColumn<CommandResult>("answer");
        QTest::addColumn<QStringList>("files");     // replace what stands there; a trailing / makes a folder
        QTest::addColumn<QString>("log");            // after the empty line
        QTest::addColumn<int>("stagesRun");
        QTest::addColumn<int>("canRun");             // 1: set, 0: cleared, -1: left as the last build left it
        QTest::addColumn<bool>("complete");  // every stage worked: the result, and the exit code without a window

        const int compile = int(Stage::Compile);
        const int preverify = int(Stage::Preverify);
        const CommandResult ok;
        const QStringList icon = {QStringLiteral("res/icon.gif")};
        const QString compiled = QStringLiteral("%COMPILE%\r\n");
        QTest::newRow("javac's notes stand in the log, res holds a file: every stage passes")
            << compile << CommandResult{0, QStringLiteral("Note: Hello.java uses or overrides a deprecated API.\n"
                                                          "Note: Recompile with -deprecation for details.\n")}
            << icon << compiled + "Note: Hello.java uses or overrides a deprecated API.\r\n"
                                  "Note: Recompile with -deprecation for details.\r\nJARファイルを保存しました。 %JAR%\r\n"
                           + kProductLines << 4 << 1 << true;
        QTest::newRow("res with only a subfolder and a hidden file has no resource stage")
            << compile << ok << QStringList{"res/pictures/icon.gif", "res/.icon.gif"} << compiled + kProductLines << 3 << 1 << true;
        QTest::newRow("compiler errors end the build") << compile << CommandResult{1, QStringLiteral("a\nb\n")} << icon
                                                       << compiled + "a\r\nb\r\n\r\nコンパイルは失敗しました。\r\n" << 1 << 0 << false;
        QTest::newRow("other output with exit 0 ends the build")
            << compile << CommandResult{0, QStringLiteral("Note: fine\nwarning: not fine")} << QStringList()
            << compiled + "Note: fine\r\nwarning: not fine\r\nコンパイルは失敗しました。\r\n" << 1 << 0 << false;
        QTest::newRow("a stopped preverifier ends the build after its failure lines")
            << preverify << CommandResult{-1, QStringLiteral("preverify を中止しました。"), true} << icon
            << compiled + "%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\npreverify を中止しました。\r\n" << 2 << 1 << false;
        QTest::newRow("preverify failure is logged with its line and the build goes on")
            << preverify << CommandResult{1, QStringLiteral("bad.txt\n")} << QStringList()
            << compiled + "%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\nbad.txt\r\n\r\n" + kProductLines << 3 << 1 << false;
        QTest::newRow("package failure is logged and the build goes on")
            << int(Stage::Package) << CommandResult{1, QStringLiteral("jar: cannot write\n")} << QStringList()
            << compiled + kJarFailure + "jar: cannot write\r\n\r\n" + kProductLines << 3 << 1 << false;
        QTest::newRow("resource failure replaces the JAR saved line")
            << int(Stage::Resources) << CommandResult{1, QStringLiteral("jar: no")} << icon
            << compiled + kJarFailure + "jar: no\r\n" + kProductLines << 4 << 1 << false;
        QTest::newRow("a file in bin's place") << compile << ok << QStringList{"bin"}
                                               << "%PF%/binを作成できませんでした。\r\n" << 0 << -1 << false;
        QTest::newRow("descriptor not written, the build goes on")
            << compile << ok << QStringList{"bin/Hello.jam/"}
            << compiled + "%JAM%の保存に失敗しました。\r\n%NATIVE_JAM%: %WHY%\r\nHTMLファイルを保存しました。%HTM%\r\nコンパイルは正常に終了しました。\r\n"
            << 3 << 1 << false;
        QTest::newRow("page not written, the build goes on")
            << compile << ok << QStringList{"bin/Hello.htm/"}
            << compiled + "JAMファイルを保存しました。 %JAM%\r\n%HTM%の保存に失敗しました。\r\n%NATIVE_HTM%: %WHY%\r\nコンパイルは正常に終了しました。\r\n"
            << 3 << 1 << false;
        QTest::newRow("no runner") << kNoRunner << ok << QStringList() << compiled + "コマンドを実行できませんでした。\r\n"
                                   << 0 << -1 << false;
    }

    void roads()
    {
        QFETCH(int, stage);
        QFETCH(CommandResult, answer);
        QFETCH(QStringList, files);
        QFETCH(QString, log);
        QFETCH(int, canRun);
        ProjectSandbox box;
        QVERIFY(box.isValid());
        for (const QString &file : files) {
            const bool folder = file.endsWith(QLatin1Char('/'));  // one that is not empty
            QVERIFY(QDir(box.inProject(file)).removeRecursively() && box.writeFile(folder ? file + "keep" : file, "GIF89a"));
        }
        box.bench.log = QStringLiteral("プロジェクト [Hello] は読みこまれました\r\n");
        box.bench.windowFlags.CanRun = canRun != 1;
        box.runners.failCreation = stage == kNoRunner;
        answerWith(box, stage, answer);

        Services services = box.services();
        QTEST(Compile_Click(services), "complete");
        // The system words why a file was not written, on a line of its own after the path.
        QString actual = box.bench.log;
        actual.replace(QRegularExpression(QStringLiteral("(\\.jam|\\.htm): [^\r\n]+")), QStringLiteral("\\1: %WHY%"));
        QCOMPARE(actual, expand(box, QStringLiteral("\r\n") + log));
        QTEST(int(box.runners.commands.size()), "stagesRun");
        QCOMPARE(box.bench.windowFlags.CanRun, canRun != 0);
        QVERIFY(box.bench.windowFlags.CanUpload);
        QVERIFY(!box.bench.busy);
    }

    // Where each tool runs and which folders it finds, the real tools' road shows.
    void eachBuildSavesFirstAndRunsBusyOnItsOwnRunner()
    {
        ProjectSandbox box;
        // No folder is ever emptied: what classes holds is packed again.
        QVERIFY(box.isValid() && box.writeFile(QStringLiteral("res/icon.gif"), "GIF89a")
                && box.writeFile(QStringLiteral("classes/Old.class"), "old class"));
        box.bench.source = QStringLiteral("public class Hello extends IApplication { }\r\n");
        box.bench.modified = true;
        QStringList seen;  // for each tool: busy, the event steps so far, the source on disk
        answerWith(box);
        const auto silent = box.runners.answer;
        box.runners.answer = [&](const QString &line) {
            seen << QStringLiteral("%1 %2 ").arg(int(box.bench.busy)).arg(box.bench.processEventsCount)
                        + QString::fromLatin1(readBytes(box.settings().SourcePath));
            return silent(line);
        };
        Services services = box.services();
        QVERIFY(Compile_Click(services));
        // Saved before the compiler runs; events are processed once, before the first tool.
        QCOMPARE(seen, QStringList(4, QStringLiteral("1 1 ") + box.bench.source));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("classes/Old.class"))), QByteArray("old class"));
        QCOMPARE(box.runners.runnersCreated, 1);
        QVERIFY(Compile_Click(services));
        QCOMPARE(box.runners.runnersCreated, 2);
    }
};

QTEST_GUILESS_MAIN(BuildPipelineTest)
#include "tst_build_pipeline.moc"
