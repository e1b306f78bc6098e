#include "app/opened_project.h"
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
const QString kProductLines = kProductLinesNoJar + QStringLiteral("JAR 2 バイト\r\n");
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
        s.JAVA_PATH = QStringLiteral(R"(c:\jdk1.3.1)");
        s.DOJA_PATH = dojaPath;
        s.CLASSPATH = classPaths.value(0, defaultClassPath(dojaPath, style));
        s.BOOTCLASSPATH = classPaths.value(1, defaultClassPath(dojaPath, style));
        const Toolchain tools = Toolchain::fromSettings(s, style);
        const QString name = QStringLiteral("Hello");
        QTEST((QStringList{compileCommandLine(tools), preverifyCommandLine(tools), packageCommandLine(tools, name),
                           resourceCommandLine(tools, name), emulatorCommandLine(tools, name)}),
              "lines");
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
            << compiled + "%JAM%の保存に失敗しました。\r\n%NATIVE_JAM%: %WHY%\r\nHTMLファイルを保存しました。%HTM%\r\nコンパイルは正常に終了しました。\r\nJAR 2 バイト\r\n"
            << 3 << 1 << false;
        QTest::newRow("page not written, the build goes on")
            << compile << ok << QStringList{"bin/Hello.htm/"}
            << compiled + "JAMファイルを保存しました。 %JAM%\r\n%HTM%の保存に失敗しました。\r\n%NATIVE_HTM%: %WHY%\r\nコンパイルは正常に終了しました。\r\nJAR 2 バイト\r\n"
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
        QTEST(outcome.complete, "complete");
        // The system words why a file was not written, on a line of its own after the path.
        QString actual = box.bench.log;
        actual.replace(QRegularExpression(QStringLiteral("(\\.jam|\\.htm): [^\r\n]+")), QStringLiteral("\\1: %WHY%"));
        QCOMPARE(actual, expand(box, QStringLiteral("\r\n") + log));
        QTEST(int(box.runners.commands.size()), "stagesRun");
        QCOMPARE(outcome.compiled, canRun < 0 ? std::nullopt : std::optional<bool>(canRun == 1));
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
        QVERIFY(Compile_Click(services, project).complete);
        // Saved before the compiler runs; the log is to be seen once, before the first tool.
        QCOMPARE(seen, QStringList(4, QStringLiteral("1 1 ") + box.bench.source));
        QVERIFY(!stale);
        QCOMPARE(readBytes(box.inProject(QStringLiteral("res/icon.gif"))), QByteArray("GIF89a"));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("bin/Hello.sp"))), QByteArray("data"));
        QCOMPARE(box.runners.runnersCreated, 1);
        QVERIFY(Compile_Click(services, project).complete);
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

    // A value typed into the descriptor outlives the build that replaces
    // it; one the user changed in the program since is not taken back.
    void handEditsOutliveTheBuild()
    {
        ProjectSandbox box;
        answerWith(box);
        Services services = box.services();
        OpenedProject project = box.project();
        QVERIFY(Compile_Click(services, project).complete);
        const QByteArray built = readBytes(project.paths.descriptor());
        QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jam"), QByteArray(built).replace("SPsize = ", "SPsize = 1024")));
        QVERIFY(Compile_Click(services, project).complete);
        QCOMPARE(project.settings.SPsize, QStringLiteral("1024"));
        QVERIFY(box.bench.log.contains(QStringLiteral("に手で書かれた値をプロジェクトの設定に取り込みました: SPsize = 1024\r\n")));
        QVERIFY(readBytes(project.paths.descriptor()).contains("SPsize = 1024\r\n"));
        QCOMPARE(box.project().settings.SPsize, QStringLiteral("1024"));  // as the settings file holds it

        ProjectSettings changed = project.settings;
        changed.SPsize.clear();
        const QString digest = currentDescriptorDigest(project);
        QVERIFY(box.store.saveProjectSettings(project, changed, digest));
        project.settings = changed;
        project.jamChecked = digest;
        QVERIFY(Compile_Click(services, project).complete);
        QCOMPARE(project.settings.SPsize, QString());
        QVERIFY(readBytes(project.paths.descriptor()).contains("SPsize = \r\n"));
        QVERIFY(!box.bench.log.contains(QStringLiteral("取り込みました")));
    }

    // The clean command: what a build makes goes, the application's data stays.
    void cleaningKeepsTheScratchpad()
    {
        ProjectSandbox box;
        const QStringList made{"classes/A.class", "tmpclasses/A.class", "bin/Hello.jar", "bin/Hello.jam", "bin/Hello.htm"};
        for (const QString &file : made)
            QVERIFY(box.writeFile(file, "x"));
        QVERIFY(box.writeFile(QStringLiteral("bin/Hello.sp"), "data") && box.writeFile(QStringLiteral("src/Keep.txt"), "k"));
        QCOMPARE(RemoveBuildProducts(box.project().paths), QString());
        for (const QString &file : made)
            QVERIFY2(!QFileInfo::exists(box.inProject(file)), qPrintable(file));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("bin/Hello.sp"))), QByteArray("data"));
        QCOMPARE(readBytes(box.inProject(QStringLiteral("src/Keep.txt"))), QByteArray("k"));
    }
};

QTEST_GUILESS_MAIN(BuildPipelineTest)
#include "tst_build_pipeline.moc"
