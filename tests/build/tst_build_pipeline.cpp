#include "app/code_page.h"
#include "app/opened_project.h"
#include "app/project_files.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_folders.h"
#include "build/build_pipeline.h"
#include "build/descriptor_edits.h"
#include "build/handset_budget.h"
#include "project_sandbox.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Stage { Compile, Preverify, Package, Resources };
constexpr int kNoRunner = -2;  // a stage of the roads table: no runner can be made

Toolchain toolsOf(const ProjectSandbox &box)
{
    return Toolchain::fromSettings(box.settings(), box.store.style());
}

// The stage a command line belongs to, by its exact text.
Stage stageOf(const ProjectSandbox &box, const QString &line)
{
    const Toolchain tools = toolsOf(box);
    const qsizetype stage = QStringList{compileCommandLine(tools), preverifyCommandLine(tools),
                                        packageCommandLine(tools, box.name()),
                                        resourceCommandLine(tools, box.name())}.indexOf(line);
    if (stage < 0)
        qFatal("unknown command line %s", qPrintable(line));
    return Stage(stage);
}

// %COMPILE% and the like stand for texts that depend on the sandbox's folder;
// the system's reasons name files in the platform's own spelling (%NATIVE_JAM%).
QString expand(const ProjectSandbox &box, QString text)
{
    const ProjectPaths paths = box.project().paths;
    return text.replace(QStringLiteral("%COMPILE%"), compileCommandLine(toolsOf(box)))
        .replace(QStringLiteral("%PREVERIFY%"), preverifyCommandLine(toolsOf(box)))
        .replace(QStringLiteral("%JAR%"), paths.archive())
        .replace(QStringLiteral("%JAM%"), paths.descriptor())
        .replace(QStringLiteral("%HTM%"), paths.page())
        .replace(QStringLiteral("%NATIVE_JAM%"), QDir::toNativeSeparators(paths.descriptor()))
        .replace(QStringLiteral("%NATIVE_HTM%"), QDir::toNativeSeparators(paths.page()))
        .replace(QStringLiteral("%PF%"), paths.folder());
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

// Without an archive there is nothing to measure against the handset.
const QString kProductLinesNoJar = QStringLiteral("JAMファイルを保存しました。 %JAM%\r\n"
                                                  "HTMLファイルを保存しました。%HTM%\r\n"
                                                  "コンパイルは正常に終了しました。\r\n");
const QString kProductLines = kProductLinesNoJar;
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
        QTest::addColumn<QStringList>("sources");  // below src; none: the compile line as without packages

        QTest::newRow("windows defaults")
            << true << QStringLiteral(R"(D:\sdk)") << QStringList()
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java)",
                           R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\lib\dojatest.zip";"D:\sdk\lib\kenv.zip";.;"D:\sdk\lib\dojaapi.jar" -Dkvem.home="D:\sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"}
            << QStringList();
        QTest::newRow("windows: class paths by hand go in verbatim, a trailing backslash doubles")
            << true << QStringLiteral(R"(D:\sdk\)") << QStringList{R"("E:\my libs\a.jar";b.jar)", R"(E:\boot.jar)"}
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath "E:\my libs\a.jar";b.jar;.\src\ -bootclasspath E:\boot.jar src\*.java)",
                           R"("D:\sdk\\bin\preverify" -classpath tmpclasses;"D:\sdk\\lib\dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)",
                           R"("c:\jdk1.3.1\bin\java" -classpath "D:\sdk\\lib\dojatest.zip";"D:\sdk\\lib\kenv.zip";"E:\my libs\a.jar";b.jar -Dkvem.home="D:\sdk\"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin\Hello.jam)"}
            << QStringList();
        QTest::newRow("posix sdk folder with blanks")
            << false << QStringLiteral("/home/u/my sdk") << QStringList()
            << QStringList{R"("c:\jdk1.3.1/bin/javac" -d tmpclasses -classpath .:"/home/u/my sdk/lib/dojaapi.jar":./src/ -bootclasspath .:"/home/u/my sdk/lib/dojaapi.jar" src/*.java)",
                           R"("/home/u/my sdk/bin/preverify" -classpath tmpclasses:"/home/u/my sdk/lib/dojaapi.jar" -d classes tmpclasses)",
                           R"("c:\jdk1.3.1/bin/jar" cMf ../bin/Hello.jar *)",
                           R"("c:\jdk1.3.1/bin/jar" uMf ../bin/Hello.jar *)",
                           R"("c:\jdk1.3.1/bin/java" -classpath "/home/u/my sdk/lib/dojatest.zip":"/home/u/my sdk/lib/kenv.zip":.:"/home/u/my sdk/lib/dojaapi.jar" -Dkvem.home="/home/u/my sdk"  com.nttdocomo.dojaemu.tests.Tester jam phone1color bin/Hello.jam)"}
            << QStringList();
        QTest::newRow("windows packages: one wildcard per folder holding sources, in one call")
            << true << QStringLiteral(R"(D:\sdk)") << QStringList()
            << QStringList{R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java src\jp\example\*.java src\jp\example\parts\*.java)"}
            << QStringList{"Hello.java", "jp/example/Game.java", "jp/example/Stage.java", "jp/example/parts/Ship.java"};
        QTest::newRow("posix: no sources in src itself, no wildcard for it")
            << false << QStringLiteral("/sdk") << QStringList()
            << QStringList{R"("c:\jdk1.3.1/bin/javac" -d tmpclasses -classpath .:"/sdk/lib/dojaapi.jar":./src/ -bootclasspath .:"/sdk/lib/dojaapi.jar" src/jp/example/*.java)"}
            << QStringList{"jp/example/Game.java"};
    }

    void commandLines()
    {
        QFETCH(bool, windows);
        QFETCH(QString, dojaPath);
        QFETCH(QStringList, classPaths);
        const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
        AppSettings s;
        s.JAVA_PATH = QStringLiteral(R"(c:\jdk1.3.1)");
        s.DOJA_PATH = dojaPath;
        s.CLASSPATH = classPaths.value(0, defaultClassPath(dojaPath, style));
        s.BOOTCLASSPATH = classPaths.value(1, defaultClassPath(dojaPath, style));
        const Toolchain tools = Toolchain::fromSettings(s, style);
        const QString name = QStringLiteral("Hello");
        QFETCH(QStringList, sources);
        QFETCH(QStringList, lines);
        const QString compile = compileCommandLine(tools, sources.isEmpty() ? QStringList() : sourceWildcards(sources, style));
        const QStringList all{compile, preverifyCommandLine(tools), packageCommandLine(tools, name),
                              resourceCommandLine(tools, name), emulatorCommandLine(tools, name)};
        QCOMPARE(all.first(lines.size()), lines);
    }

    void roads_data()
    {
        QTest::addColumn<int>("stage");              // the stage whose tool answers; the others succeed silently
        QTest::addColumn<CommandResult>("answer");
        QTest::addColumn<QStringList>("files");     // replace what stands there; a trailing / makes a folder
        QTest::addColumn<QString>("log");            // after the empty line
        QTest::addColumn<int>("stagesRun");
        QTest::addColumn<int>("canRun");             // 1: the compile passed, 0: it failed, -1: the build ended before it
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
        // Logged as it comes, a lone CR would stay as it stands.
        QTest::newRow("a lone CR in javac's notes ends a line")
            << compile << CommandResult{0, QStringLiteral("Note: a\rb\n")} << QStringList()
            << compiled + "Note: a\r\nb\r\n" + kProductLines << 3 << 1 << true;
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
            << compiled + kJarFailure + "jar: cannot write\r\n\r\n" + kProductLinesNoJar << 3 << 1 << false;
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
        box.runners.failCreation = stage == kNoRunner;
        answerWith(box, stage, answer);

        Services services = box.services();
        OpenedProject project = box.project();
        const BuildOutcome outcome = Compile_Click(services, project);
        QTEST(box.bench.results.value(0), "complete");
        // The system words why a file was not written, on a line of its own after the path.
        QString actual = box.bench.log;
        actual.replace(QRegularExpression(QStringLiteral("(\\.jam|\\.htm): [^\r\n]+")), QStringLiteral("\\1: %WHY%"));
        QCOMPARE(actual, expand(box, QStringLiteral("\r\n") + log));
        QTEST(int(box.runners.commands.size()), "stagesRun");
        QCOMPARE(int(outcome.compile), canRun + 1);  // not reached, failed, passed
        QCOMPARE(box.bench.progress.first(), QStringLiteral("Build started"));
        QVERIFY(!box.bench.running);
    }

    // Where each tool runs and which folders it finds, the real tools' road shows.
    void eachBuildSavesFirstAndRunsBusyOnItsOwnRunner()
    {
        ProjectSandbox box;
        // A class the source no longer defines is gone before the compiler
        // runs, so the archive holds only what the source defines; the
        // resources and the scratchpad stay.
        QVERIFY(box.isValid() && box.writeFile(QStringLiteral("res/icon.gif"), "GIF89a")
                && box.writeFile(QStringLiteral("classes/Old.class"), "old class")
                && box.writeFile(QStringLiteral("tmpclasses/sub/Old.class"), "old class")
                && box.writeFile(QStringLiteral("bin/Hello.sp"), "data"));
        box.bench.source = QStringLiteral("public class Hello extends IApplication { }\r\n");
        box.bench.modified = true;
        QStringList seen;  // for each tool: busy, the event steps so far, the source on disk
        bool stale = true;
        answerWith(box);
        const auto silent = box.runners.answer;
        OpenedProject project = box.project();
        box.runners.answer = [&](const QString &line) {
            seen << QStringLiteral("%1 %2 ").arg(int(box.bench.running)).arg(box.bench.toolStarts)
                        + QString::fromLatin1(readBytes(project.paths.sourceFile()));
            if (stageOf(box, line) == Stage::Compile)
                stale = QFileInfo::exists(box.inProject(QStringLiteral("classes/Old.class")))
                        || QFileInfo::exists(box.inProject(QStringLiteral("tmpclasses/sub")));
            return silent(line);
        };
        Services services = box.services();
        Compile_Click(services, project);
        QVERIFY(box.bench.results.value(0));
        // Saved before the compiler runs; the log is to be seen once, before the first tool.
        QCOMPARE(seen, QStringList(4, QStringLiteral("1 1 ") + box.bench.source));
        QVERIFY(!stale);
        QCOMPARE(readBytes(box.inProject(QStringLiteral("res/icon.gif"))), QByteArray("GIF89a"));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("bin/Hello.sp"))), QByteArray("data"));
        QCOMPARE(box.runners.runnersCreated, 1);
        Compile_Click(services, project);
        QVERIFY(box.bench.results.value(1));
        QCOMPARE(box.runners.runnersCreated, 2);
    }

    void handsetBudget_data()
    {
        QTest::addColumn<qint64>("jar");
        QTest::addColumn<QString>("spSize");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("over");
        QTest::newRow("no target: the sizes alone") << qint64(7531) << "512,512" << QString()
            << QStringList{"JAR 7,531 バイト", "スクラッチパッド 1,024 バイト"} << false;
        QTest::newRow("DoJa-1.0 within, no scratchpad asked for") << qint64(7531) << QString() << "DoJa-1.0"
            << QStringList{"JAR 7,531 / 10,240 バイト (74%) DoJa-1.0"} << false;
        QTest::newRow("DoJa-1.0: the scratchpad over its own limit") << qint64(10240) << "6000" << "DoJa-1.0"
            << QStringList{"JAR 10,240 / 10,240 バイト (100%) DoJa-1.0", "スクラッチパッド 6,000 / 5,120 バイト (117%) DoJa-1.0",
                           "警告: スクラッチパッドがDoJa-1.0の上限を880バイト超えています。"} << true;
        QTest::newRow("DoJa-3.5: an archive over 100 KB") << qint64(102401) << QString() << "DoJa-3.5"
            << QStringList{"JAR 102,401 / 102,400 バイト (100%) DoJa-3.5", "警告: JARがDoJa-3.5の上限を1バイト超えています。"} << true;
        QTest::newRow("a percentage past the range of int") << (qint64(300) << 30) << QString() << "DoJa-1.0"
            << QStringList{"JAR 322,122,547,200 / 10,240 バイト (3145728000%) DoJa-1.0",
                           "警告: JARがDoJa-1.0の上限を322,122,536,960バイト超えています。"} << true;
        QTest::newRow("DoJa-5.1 counts both together") << qint64(48576) << "1000000" << "DoJa-5.1"
            << QStringList{"JAR+スクラッチパッド 1,048,576 / 1,048,576 バイト (100%) DoJa-5.1"} << false;
    }

    void handsetBudget()
    {
        QFETCH(qint64, jar);
        QFETCH(QString, spSize);
        QFETCH(QString, profile);
        QStringList lines;
        bool over = false;
        for (const BudgetLine &line : ::handsetBudget(jar, scratchpadSizes(spSize), profile)) {
            lines << line.text;
            over = over || line.over;
        }
        QTEST(lines, "lines");
        QTEST(over, "over");
    }

    // Two builds with the user's hand between them: the settings file is the
    // descriptor's one source, a value typed into the descriptor is taken
    // once, and nothing of the section that is not a descriptor key leaks.
    void descriptorSource_data()
    {
        QTest::addColumn<QString>("section");     // [Hello]'s lines before the first build
        QTest::addColumn<QString>("typed");       // appended to the first build's descriptor
        QTest::addColumn<QStringList>("removed"); // keys then taken out of Tovra.ini by hand
        QTest::addColumn<QStringList>("log");     // parts of the second build's log; "!x": not there
        QTest::addColumn<QStringList>("jam");     // lines of the second descriptor; "!x": not there
        QTest::addColumn<QStringList>("ini");     // lines of Tovra.ini after it; "!x": not there
        QTest::addColumn<QString>("compiler");    // a part of the compile line

        const QString taken = QStringLiteral("に手で書かれた値をプロジェクトの設定に取り込みました");
        QTest::newRow("the build's own descriptor is no hand edit")
            << "SPsize=100\r\nTargetProfile=DoJa-3.0\r\n" << "" << QStringList()
            << QStringList{"!" + taken} << QStringList{"SPsize = 100", "ProfileVer = DoJa-3.0"}
            << QStringList{"SPsize=100", "TargetProfile=DoJa-3.0"} << "profiles/DoJa-3.0/dojaapi.jar";
        QTest::newRow("a setting removed by hand stays removed")
            << "SPsize=100\r\nTargetProfile=DoJa-3.0\r\n" << "" << QStringList{"SPsize", "TargetProfile"}
            << QStringList{"!" + taken} << QStringList{"SPsize = ", "!ProfileVer = DoJa-3.0"}
            << QStringList{"!SPsize=100", "!TargetProfile=DoJa-3.0"} << "lib/dojaapi.jar";
        QTest::newRow("a typed value is taken, once")
            << "" << "SPsize = 1024" << QStringList() << QStringList{taken + ": SPsize = 1024"}
            << QStringList{"SPsize = 1024"} << QStringList{"SPsize=1024"} << "lib/dojaapi.jar";
        QTest::newRow("a typed profile compiles the same build against its archive")
            << "" << "ProfileVer = DoJa-1.0" << QStringList() << QStringList{taken + ": ProfileVer = DoJa-1.0"}
            << QStringList{"ConfigurationVer = CLDC-1.0"} << QStringList{"TargetProfile=DoJa-1.0"}
            << "profiles/DoJa-1.0/dojaapi.jar";
        QTest::newRow("a note of the section never reaches the descriptor")
            << "memo=ask about the icon\r\nGetUtn=terminalid\r\n" << "" << QStringList() << QStringList{"!" + taken}
            << QStringList{"!memo = ask about the icon", "GetUtn = terminalid"}
            << QStringList{"memo=ask about the icon"} << "lib/dojaapi.jar";
        QTest::newRow("lines of no descriptor key are no hand edits")
            << "" << "maj = 3\r\n[Hello]\r\nor=3" << QStringList() << QStringList{"!" + taken}
            << QStringList{"!maj = 3", "![Hello]"} << QStringList{"!maj=3", "!or=3"} << "lib/dojaapi.jar";
        QTest::newRow("a value a handset cannot read is refused, named by its key and a prefix")
            << "" << "SPsize = " + QString(5000, u'9') << QStringList()
            << QStringList{"次は使えないため取り込みませんでした: SPsize = " + QString(32, u'9') + "…(",
                           "!" + QString(40, u'9')}
            << QStringList{"SPsize = "} << QStringList{"!SPsize=9"} << "lib/dojaapi.jar";
        QTest::newRow("the writer's own lines are written anew, and named; a main class without its file is refused")
            << "" << "AppClass = Other\r\nKvmVer = CLDC-1.0" << QStringList()
            << QStringList{"の次の値はビルドが書くため、書き直します: KvmVer", "次は使えないため取り込みませんでした: AppClass = Other(", "Other.javaがありません)"}
            << QStringList{"AppClass = Hello", "KvmVer = "} << QStringList{"!AppClass"} << "lib/dojaapi.jar";
        QTest::newRow("a descriptor too large to be one is not read")
            << "" << QString(70 * 1024, u'x') + "\r\nSPsize = 7" << QStringList()
            << QStringList{"は大きすぎるため(64KBまで)、手で書かれた値を確かめませんでした。", "!" + taken}
            << QStringList{"SPsize = "} << QStringList{"!SPsize=7"} << "lib/dojaapi.jar";
        QTest::newRow("a value the dialog would refuse stops the build before any tool")
            << "UseNetwork=yes\r\n" << "" << QStringList()
            << QStringList{"の[Hello]の値は使えません。UseNetworkは「http」か空にしてください。\r\nコンパイルは失敗しました。"}
            << QStringList{"!UseNetwork = yes"} << QStringList{"UseNetwork=yes"} << "";
    }

    void descriptorSource()
    {
        QFETCH(QString, section);
        QFETCH(QString, typed);
        QFETCH(QStringList, removed);
        QFETCH(QString, compiler);
        ProjectSandbox box({.extraGlobalLines = "[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=0\r\n" + section});
        QVERIFY(box.isValid());
        for (const char *profile : {"DoJa-1.0", "DoJa-3.0"})
            QVERIFY(writeBytes(box.sdkDir() + "/lib/profiles/" + profile + "/dojaapi.jar", "PK"));
        box.runners.answer = [&box](const QString &line) {
            if (line.contains(QStringLiteral(" cMf ")))
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return CommandResult{};
        };
        Services services = box.services();
        OpenedProject project = box.project();
        Compile_Click(services, project);
        if (!typed.isEmpty()) {
            // Typed over the writer's line of the key, else below them all.
            QString text = fromCodePage(readBytes(project.paths.descriptor()));
            for (const QString &line : typed.split(QStringLiteral("\r\n"))) {
                const QRegularExpression own(QStringLiteral("(?m)^%1 = [^\r\n]*").arg(line.section(u' ', 0, 0)));
                if (line.contains(QStringLiteral(" = ")) && text.contains(own))
                    text.replace(own, line);
                else
                    text += line + QStringLiteral("\r\n");
            }
            QVERIFY(writeBytes(project.paths.descriptor(), toCodePage(text).value()));
        }
        QByteArray file = readBytes(box.store.settingsFilePath());
        for (const QString &key : removed) {
            const qsizetype at = file.indexOf("\r\n" + key.toLatin1() + "=");
            QVERIFY(at >= 0);
            file.remove(at, file.indexOf("\r\n", at + 2) - at);
        }
        QVERIFY(writeBytes(box.store.settingsFilePath(), file));

        box.runners.commands.clear();
        box.bench.log.clear();
        Compile_Click(services, project);
        const auto check = [](const QString &text, const QStringList &parts) {
            for (const QString &part : parts) {
                const bool absent = part.startsWith(u'!');
                QVERIFY2(text.contains(absent ? part.mid(1) : part) != absent, qPrintable(part + "\n" + text.left(2000)));
            }
        };
        QFETCH(QStringList, log);
        check(box.bench.log, log);
        QFETCH(QStringList, jam);
        check(fromCodePage(readBytes(project.paths.descriptor())), jam);
        QFETCH(QStringList, ini);
        check(fromCodePage(readBytes(box.store.settingsFilePath())), ini);
        if (compiler.isEmpty())
            QVERIFY(box.runners.commands.isEmpty());
        else
            QVERIFY2(box.runners.commands.value(0).commandLine.contains(compiler),
                     qPrintable(box.runners.commands.value(0).commandLine));
    }

    // Only class files go before the compiler runs; one the source no longer
    // makes is named; nothing is deleted through a link.
    void classFolders_data()
    {
        QTest::addColumn<QStringList>("before");  // files below the project; "link:classes": classes is a link
        QTest::addColumn<QStringList>("after");   // files after the build; "!x": gone
        QTest::addColumn<QString>("line");        // a part of the log; "!x": not there
        QTest::newRow("a class the source still makes is not named")
            << QStringList{"tmpclasses/Hello.class", "classes/Hello.class"} << QStringList{"tmpclasses/Hello.class"}
            << "!前回のビルド";
        QTest::newRow("a class the source no longer makes is named, in a package too")
            << QStringList{"tmpclasses/Extra.class", "classes/Extra.class", "classes/jp/Old.class"}
            << QStringList{"!tmpclasses/Extra.class", "!classes/Extra.class", "!classes/jp"}
            << "前回のビルドのクラスファイルを削除しました: Extra.class、jp/Old.class\r\n";
        QTest::newRow("other files of the class folders stay")
            << QStringList{"classes/notes.txt", "tmpclasses/data/map.bin", "classes/Extra.class"}
            << QStringList{"classes/notes.txt", "tmpclasses/data/map.bin", "!classes/Extra.class"}
            << "前回のビルドのクラスファイルを削除しました: Extra.class\r\n";
        QTest::newRow("a link in the place of classes is refused, what it points at stays")
            << QStringList{"link:classes"} << QStringList{"!tmpclasses/Hello.class"}
            << "classesはフォルダではなくリンクのため、中のクラスファイルを削除しません。";
    }

    void classFolders()
    {
        QFETCH(QStringList, before);
#ifdef Q_OS_WIN
        if (before.contains(QStringLiteral("link:classes")))
            QSKIP("QFile::link makes a shortcut file on Windows, no link a folder walk could follow");
#endif
        ProjectSandbox box;
        QTemporaryDir elsewhere;
        QVERIFY(box.isValid() && elsewhere.isValid());
        QVERIFY(writeBytes(elsewhere.filePath(QStringLiteral("sub/Keep.class")), "keep"));
        for (const QString &file : before) {
            if (file == QLatin1String("link:classes"))
                QVERIFY(QFile::link(elsewhere.path(), box.inProject(QStringLiteral("classes"))));
            else
                QVERIFY(box.writeFile(file, "old"));
        }
        box.runners.answer = [&box](const QString &line) {
            if (line.contains(QStringLiteral(" -d tmpclasses ")))
                box.writeFile(QStringLiteral("tmpclasses/Hello.class"), "new");
            return CommandResult{};
        };
        Services services = box.services();
        OpenedProject project = box.project();
        Compile_Click(services, project);
        QFETCH(QStringList, after);
        for (const QString &file : after) {
            const bool gone = file.startsWith(u'!');
            QVERIFY2(QFileInfo::exists(box.inProject(gone ? file.mid(1) : file)) != gone, qPrintable(file));
        }
        QFETCH(QString, line);
        const bool absent = line.startsWith(u'!');
        QVERIFY2(box.bench.log.contains(absent ? line.mid(1) : line) != absent, qPrintable(box.bench.log));
        QCOMPARE(readBytes(elsewhere.filePath(QStringLiteral("sub/Keep.class"))), QByteArray("keep"));

        // Clean: the same rule, and the three products and nothing else.
        QVERIFY(box.writeFile(QStringLiteral("bin/Hello.sp"), "data"));
        QVERIFY(box.writeFile(QStringLiteral("bin/Hello.map"), "a -> b") && box.writeFile(QStringLiteral("shrunkclasses/a.class"), "a"));
        const Result<> cleaned = removeBuildProducts(project.paths);
        QCOMPARE(cleaned.ok(), !before.contains(QStringLiteral("link:classes")));
        QCOMPARE(readBytes(elsewhere.filePath(QStringLiteral("sub/Keep.class"))), QByteArray("keep"));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("bin/Hello.sp"))), QByteArray("data"));
        if (cleaned)
            for (const char *made : {"bin/Hello.jam", "bin/Hello.map", "tmpclasses/Hello.class", "shrunkclasses/a.class"})
                QVERIFY2(!QFileInfo::exists(box.inProject(QLatin1String(made))), made);
    }
};

QTEST_GUILESS_MAIN(BuildPipelineTest)
#include "tst_build_pipeline.moc"
