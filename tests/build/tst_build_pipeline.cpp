#include "app/project_paths.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "project_sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace {

AppSettings settingsFor(const PathStyle &style, const QString &javaPath, const QString &dojaPath,
                        const QString &name, const QString &classPath, const QString &bootClassPath)
{
    AppSettings s;
    s.lastProject = name;
    s.JAVA_PATH = javaPath;
    s.DOJA_PATH = dojaPath;
    s.CLASSPATH = classPath.isNull() ? defaultClassPath(dojaPath, style) : classPath;
    s.BOOTCLASSPATH = bootClassPath.isNull() ? defaultClassPath(dojaPath, style) : bootClassPath;
    deriveToolchainPaths(s, style);
    return s;
}

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

enum class Stage { Compile, Preverify, Package, Resources };

// The stage a command line belongs to, by its exact text.
Stage stageOf(const ProjectSandbox &box, const QString &line)
{
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    if (line == compileCommandLine(s, style))
        return Stage::Compile;
    if (line == preverifyCommandLine(s, style))
        return Stage::Preverify;
    if (line == packageCommandLine(s, style))
        return Stage::Package;
    if (line == resourceCommandLine(s, style))
        return Stage::Resources;
    qFatal("unknown command line %s", qPrintable(line));
}

// %COMPILE% and the like stand for texts that depend on the sandbox's folder.
QString expand(const ProjectSandbox &box, QString text)
{
    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    const ProjectPaths paths = ProjectPaths::current(s, style);
    return text.replace(QStringLiteral("%COMPILE%"), compileCommandLine(s, style))
        .replace(QStringLiteral("%PREVERIFY%"), preverifyCommandLine(s, style))
        .replace(QStringLiteral("%JAR%"), paths.archive())
        .replace(QStringLiteral("%JAM%"), paths.descriptor())
        .replace(QStringLiteral("%HTM%"), paths.page())
        .replace(QStringLiteral("%PF%"), s.ProjectFolder);
}

const QString kProductLines = QStringLiteral("JAMファイルを保存しました。 %JAM%\r\n"
                                             "HTMLファイルを保存しました。%HTM%\r\n"
                                             "コンパイルは正常に終了しました。\r\n");
const QStringList kBuildFolders = {QStringLiteral("bin"), QStringLiteral("src"), QStringLiteral("res"),
                                   QStringLiteral("tmpclasses"), QStringLiteral("classes")};
const QString kJarFailure =
    QStringLiteral("JARファイルの生成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。\r\n");

} // namespace

Q_DECLARE_METATYPE(CommandResult)

class BuildPipelineTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandLines_data();
    void commandLines();

    void roads_data();
    void roads();
    void stagesRunInTheirFoldersOnOneRunner();
    void noProjectOpenTouchesNothing();
    void editorTextIsSavedBeforeTheCompiler();
    void missingFoldersAreMadeAndOthersKept();
    void fileInAFoldersPlaceEndsTheBuild_data();
    void fileInAFoldersPlaceEndsTheBuild();
    void noRunnerEndsTheBuild();
    void unwritableProductIsNamedAndTheBuildGoesOn_data();
    void unwritableProductIsNamedAndTheBuildGoesOn();
    void secondBuildStartsAfreshWithItsOwnRunner();
};

void BuildPipelineTest::commandLines_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("dojaPath");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("classPath");  // null: the default
    QTest::addColumn<QString>("bootClassPath");
    QTest::addColumn<QString>("compile");
    QTest::addColumn<QString>("preverify");
    QTest::addColumn<QString>("package");
    QTest::addColumn<QString>("resources");

    QTest::newRow("windows defaults")
        << true << QStringLiteral(R"(D:\sdk)") << QStringLiteral("Hello") << QString() << QString()
        << QStringLiteral(R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java)")
        << QStringLiteral(R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)");
    QTest::newRow("windows sdk folder with blanks")
        << true << QStringLiteral(R"(C:\Program Files\doja)") << QStringLiteral("Hello") << QString() << QString()
        << QStringLiteral(R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"C:\Program Files\doja\lib\dojaapi.jar";.\src\ -bootclasspath .;"C:\Program Files\doja\lib\dojaapi.jar" src\*.java)")
        << QStringLiteral(R"("C:\Program Files\doja\bin\preverify" -classpath tmpclasses;"C:\Program Files\doja\lib\dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)");
    QTest::newRow("windows class paths by hand go in verbatim")
        << true << QStringLiteral(R"(D:\sdk)") << QStringLiteral("Hello")
        << QStringLiteral(R"("E:\my libs\a.jar";b.jar)") << QStringLiteral(R"(E:\boot.jar)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath "E:\my libs\a.jar";b.jar;.\src\ -bootclasspath E:\boot.jar src\*.java)")
        << QStringLiteral(R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\Hello.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\Hello.jar *)");
    QTest::newRow("windows japanese project name")
        << true << QStringLiteral(R"(D:\sdk)") << QStringLiteral("テスト") << QString() << QString()
        << QStringLiteral(R"("c:\jdk1.3.1\bin\javac" -d tmpclasses -classpath .;"D:\sdk\lib\dojaapi.jar";.\src\ -bootclasspath .;"D:\sdk\lib\dojaapi.jar" src\*.java)")
        << QStringLiteral(R"("D:\sdk\bin\preverify" -classpath tmpclasses;"D:\sdk\lib\dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" cMf ..\bin\テスト.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1\bin\jar" uMf ..\bin\テスト.jar *)");
    QTest::newRow("posix defaults")
        << false << QStringLiteral("/home/u/doja") << QStringLiteral("Hello") << QString() << QString()
        << QStringLiteral(R"("c:\jdk1.3.1/bin/javac" -d tmpclasses -classpath .:"/home/u/doja/lib/dojaapi.jar":./src/ -bootclasspath .:"/home/u/doja/lib/dojaapi.jar" src/*.java)")
        << QStringLiteral(R"("/home/u/doja/bin/preverify" -classpath tmpclasses:"/home/u/doja/lib/dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1/bin/jar" cMf ../bin/Hello.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1/bin/jar" uMf ../bin/Hello.jar *)");
    QTest::newRow("posix sdk folder with blanks")
        << false << QStringLiteral("/home/u/my sdk") << QStringLiteral("Hello") << QString() << QString()
        << QStringLiteral(R"("c:\jdk1.3.1/bin/javac" -d tmpclasses -classpath .:"/home/u/my sdk/lib/dojaapi.jar":./src/ -bootclasspath .:"/home/u/my sdk/lib/dojaapi.jar" src/*.java)")
        << QStringLiteral(R"("/home/u/my sdk/bin/preverify" -classpath tmpclasses:"/home/u/my sdk/lib/dojaapi.jar" -d classes tmpclasses)")
        << QStringLiteral(R"("c:\jdk1.3.1/bin/jar" cMf ../bin/Hello.jar *)")
        << QStringLiteral(R"("c:\jdk1.3.1/bin/jar" uMf ../bin/Hello.jar *)");
}

void BuildPipelineTest::commandLines()
{
    QFETCH(bool, windows);
    QFETCH(QString, dojaPath);
    QFETCH(QString, name);
    QFETCH(QString, classPath);
    QFETCH(QString, bootClassPath);
    const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
    const AppSettings s = settingsFor(style, QStringLiteral(R"(c:\jdk1.3.1)"), dojaPath, name, classPath, bootClassPath);
    QTEST(compileCommandLine(s, style), "compile");
    QTEST(preverifyCommandLine(s, style), "preverify");
    QTEST(packageCommandLine(s, style), "package");
    QTEST(resourceCommandLine(s, style), "resources");
}

void BuildPipelineTest::roads_data()
{
    QTest::addColumn<CommandResult>("compile");
    QTest::addColumn<CommandResult>("preverify");
    QTest::addColumn<CommandResult>("package");
    QTest::addColumn<CommandResult>("resources");
    QTest::addColumn<QStringList>("resFiles");  // below res; a trailing / makes a folder
    QTest::addColumn<bool>("canRunBefore");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("stagesRun");
    QTest::addColumn<bool>("canRunAfter");
    QTest::addColumn<bool>("complete");  // every stage worked: the result, and the exit code without a window

    const CommandResult ok;
    const QStringList noRes;
    const QStringList icon = {QStringLiteral("icon.gif")};

    QTest::newRow("all stages pass, res empty")
        << ok << ok << ok << ok << noRes << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kProductLines << 3 << true << true;
    QTest::newRow("all stages pass, res holds a file")
        << ok << ok << ok << ok << icon << false
        << QStringLiteral("\r\n%COMPILE%\r\nJARファイルを保存しました。 %JAR%\r\n") + kProductLines << 4 << true << true;
    QTest::newRow("compiler errors end the build")
        << CommandResult{1, QStringLiteral("a\nb\n")} << ok << ok << ok << icon << true
        << QStringLiteral("\r\n%COMPILE%\r\na\r\nb\r\n\r\nコンパイルは失敗しました。\r\n") << 1 << false << false;
    QTest::newRow("javac's notes stand in the log and the build goes on")
        << CommandResult{0, QStringLiteral("Note: Hello.java uses or overrides a deprecated API.\n"
                                           "Note: Recompile with -deprecation for details.\n")}
        << ok << ok << ok << noRes << false
        << QStringLiteral("\r\n%COMPILE%\r\nNote: Hello.java uses or overrides a deprecated API.\r\n"
                          "Note: Recompile with -deprecation for details.\r\n") + kProductLines
        << 3 << true << true;
    QTest::newRow("other output with exit 0 ends the build")
        << CommandResult{0, QStringLiteral("Note: fine\nwarning: not fine")} << ok << ok << ok << noRes << true
        << QStringLiteral("\r\n%COMPILE%\r\nNote: fine\r\nwarning: not fine\r\nコンパイルは失敗しました。\r\n") << 1 << false << false;
    QTest::newRow("a stopped compiler ends the build")
        << CommandResult{-1, QStringLiteral("javac を中止しました。"), true} << ok << ok << ok << noRes << true
        << QStringLiteral("\r\n%COMPILE%\r\njavac を中止しました。\r\nコンパイルは失敗しました。\r\n") << 1 << false << false;
    QTest::newRow("a stopped preverifier ends the build after its failure lines")
        << ok << CommandResult{-1, QStringLiteral("preverify を中止しました。"), true} << ok << ok << icon << false
        << QStringLiteral("\r\n%COMPILE%\r\n%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\npreverify を中止しました。\r\n")
        << 2 << true << false;
    QTest::newRow("silent compiler failure still says so")
        << CommandResult{2, QString()} << ok << ok << ok << noRes << true
        << QStringLiteral("\r\n%COMPILE%\r\n\r\nコンパイルは失敗しました。\r\n") << 1 << false << false;
    QTest::newRow("preverify failure is logged with its line and the build goes on")
        << ok << CommandResult{1, QStringLiteral("bad.txt\n")} << ok << ok << noRes << false
        << QStringLiteral("\r\n%COMPILE%\r\n%PREVERIFY%\r\nクラスファイルの検証に失敗しました\r\nbad.txt\r\n\r\n") + kProductLines
        << 3 << true << false;
    QTest::newRow("package failure is logged and the build goes on")
        << ok << ok << CommandResult{1, QStringLiteral("jar: cannot write\n")} << ok << noRes << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kJarFailure + QStringLiteral("jar: cannot write\r\n\r\n") + kProductLines
        << 3 << true << false;
    QTest::newRow("resource failure replaces the JAR saved line")
        << ok << ok << ok << CommandResult{1, QStringLiteral("jar: no")} << icon << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kJarFailure + QStringLiteral("jar: no\r\n") + kProductLines
        << 4 << true << false;
    QTest::newRow("res with only a subfolder has no resource stage")
        << ok << ok << ok << ok << QStringList{QStringLiteral("pictures/icon.gif")} << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kProductLines << 3 << true << true;
    QTest::newRow("res with only a hidden file has no resource stage")
        << ok << ok << ok << ok << QStringList{QStringLiteral(".icon.gif")} << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kProductLines << 3 << true << true;
    QTest::newRow("res with an empty folder has no resource stage")
        << ok << ok << ok << ok << QStringList{QStringLiteral("empty/")} << false
        << QStringLiteral("\r\n%COMPILE%\r\n") + kProductLines << 3 << true << true;
}

void BuildPipelineTest::roads()
{
    QFETCH(CommandResult, compile);
    QFETCH(CommandResult, preverify);
    QFETCH(CommandResult, package);
    QFETCH(CommandResult, resources);
    QFETCH(QStringList, resFiles);
    QFETCH(bool, canRunBefore);
    QFETCH(QString, log);
    QFETCH(int, stagesRun);
    QFETCH(bool, canRunAfter);
    QFETCH(bool, complete);

    ProjectSandbox box;
    QVERIFY(box.isValid());
    for (const QString &file : resFiles) {
        const QString path = QStringLiteral("res/") + file;
        QVERIFY(file.endsWith(QLatin1Char('/')) ? box.makeFolder(path) : box.writeFile(path, "GIF89a"));
    }
    box.bench.log = QStringLiteral("プロジェクト [Hello] は読みこまれました\r\n");
    box.bench.windowFlags.CanRun = canRunBefore;
    box.runners.answer = [&](const QString &line) {
        switch (stageOf(box, line)) {
        case Stage::Compile: return compile;
        case Stage::Preverify: return preverify;
        case Stage::Package:
            if (package.result == 0)
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return package;
        case Stage::Resources: return resources;
        }
        return CommandResult{};
    };

    Services services = box.services();
    QCOMPARE(Compile_Click(services), complete);

    QCOMPARE(box.bench.log, expand(box, log));
    QCOMPARE(box.runners.commands.size(), stagesRun);
    QCOMPARE(box.bench.windowFlags.CanRun, canRunAfter);
    QVERIFY(box.bench.windowFlags.CanUpload);
    QVERIFY(!box.bench.busy);
    QVERIFY(box.bench.busyCount >= 1); // the source save sets it as well
}

void BuildPipelineTest::stagesRunInTheirFoldersOnOneRunner()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));  // what the package stage would leave
    QVERIFY(box.writeFile(QStringLiteral("res/icon.gif"), "GIF89a"));
    QList<bool> busyWhileRunning;
    QList<int> eventStepsBefore;
    box.runners.answer = [&](const QString &) {
        busyWhileRunning << box.bench.busy;
        eventStepsBefore << box.bench.processEventsCount;
        return CommandResult{};
    };
    Services services = box.services();
    QVERIFY(Compile_Click(services));

    const QString folder = canonical(box.projectFolder());
    QStringList directories;
    for (const RecordedCommand &command : std::as_const(box.runners.commands))
        directories << command.workingDirectory;
    QCOMPARE(directories, (QStringList{folder, folder, folder + QStringLiteral("/classes"),
                                       folder + QStringLiteral("/res")}));
    QCOMPARE(box.runners.runnersCreated, 1);
    QCOMPARE(busyWhileRunning, QList<bool>(4, true));
    // Events are processed once, before the first tool, and never again.
    QCOMPARE(eventStepsBefore, QList<int>(4, 1));
    QCOMPARE(box.bench.processEventsCount, 1);
}

void BuildPipelineTest::noProjectOpenTouchesNothing()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags = {false, true, false};
    box.bench.log = QStringLiteral("old\r\n");
    box.bench.source = QStringLiteral("class Other {}\r\n");
    const QByteArray sourceBefore = readBytes(box.settings().SourcePath);

    Services services = box.services();
    QVERIFY(!Compile_Click(services));

    QCOMPARE(box.bench.busyCount, 1);
    QVERIFY(!box.bench.busy);
    QCOMPARE(box.bench.log, QStringLiteral("old\r\n"));
    QCOMPARE(box.bench.processEventsCount, 0);
    QCOMPARE(box.runners.runnersCreated, 0);
    QVERIFY(box.runners.commands.isEmpty());
    QCOMPARE(readBytes(box.settings().SourcePath), sourceBefore);
    QVERIFY(!QFileInfo::exists(box.inProject(QStringLiteral("tmpclasses"))));
    QVERIFY(box.bench.windowFlags.CanRun);
}

void BuildPipelineTest::editorTextIsSavedBeforeTheCompiler()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));  // what the package stage would leave
    const QString edited = QStringLiteral("public class Hello extends IApplication { }\r\n");
    box.bench.source = edited;
    box.bench.modified = true;
    QByteArray seenByCompiler;
    box.runners.answer = [&](const QString &line) {
        if (stageOf(box, line) == Stage::Compile)
            seenByCompiler = readBytes(box.settings().SourcePath);
        return CommandResult{};
    };
    Services services = box.services();
    QVERIFY(Compile_Click(services));
    QCOMPARE(seenByCompiler, edited.toLatin1());

    const QString saveLine = box.settings().SourcePath + QStringLiteral("を保存しました。\r\n");
    QCOMPARE(box.bench.log, saveLine + expand(box, QStringLiteral("\r\n%COMPILE%\r\n") + kProductLines));
}

void BuildPipelineTest::missingFoldersAreMadeAndOthersKept()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(QDir(box.inProject(QStringLiteral("bin"))).removeRecursively());
    QVERIFY(QDir(box.inProject(QStringLiteral("res"))).removeRecursively());
    QVERIFY(box.writeFile(QStringLiteral("classes/Old.class"), "old class"));
    QStringList presentAtCompile;
    box.runners.answer = [&](const QString &line) {
        if (stageOf(box, line) == Stage::Compile) {
            for (const QString &name : kBuildFolders)
                if (QFileInfo(box.inProject(name)).isDir())
                    presentAtCompile << name;
        }
        return CommandResult{};
    };
    Services services = box.services();
    QVERIFY(!Compile_Click(services));  // no archive: the fake jar makes none
    QCOMPARE(presentAtCompile, kBuildFolders);
    QCOMPARE(readBytes(box.inProject(QStringLiteral("classes/Old.class"))), QByteArray("old class"));
    QVERIFY(QFileInfo::exists(box.settings().SourcePath));
}

void BuildPipelineTest::fileInAFoldersPlaceEndsTheBuild_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("madeBefore");
    for (const QString &name : kBuildFolders)
        QTest::newRow(qPrintable(name)) << name << QStringList();
    QTest::newRow("classes after tmpclasses was made") << QStringLiteral("classes") << QStringList{"tmpclasses"};
}

void BuildPipelineTest::fileInAFoldersPlaceEndsTheBuild()
{
    QFETCH(QString, blocked);
    QFETCH(QStringList, madeBefore);

    ProjectSandbox box;
    QVERIFY(box.isValid());
    for (const QString &name : {QStringLiteral("bin"), QStringLiteral("res"), QStringLiteral("src")})
        QVERIFY(QDir(box.inProject(name)).removeRecursively());
    QVERIFY(box.writeFile(blocked, "in the way"));

    Services services = box.services();
    QVERIFY(!Compile_Click(services));

    QCOMPARE(box.bench.log, QStringLiteral("\r\n") + box.inProject(blocked) + QStringLiteral("を作成できませんでした。\r\n"));
    QVERIFY(box.runners.commands.isEmpty());
    QVERIFY(box.bench.windowFlags.CanRun);
    QVERIFY(!box.bench.busy);
    QCOMPARE(readBytes(box.inProject(blocked)), QByteArray("in the way"));
    for (const QString &name : madeBefore)
        QVERIFY2(QFileInfo(box.inProject(name)).isDir(), qPrintable(name));
}

void BuildPipelineTest::noRunnerEndsTheBuild()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.runners.failCreation = true;
    Services services = box.services();
    QVERIFY(!Compile_Click(services));
    QCOMPARE(box.bench.log, expand(box, QStringLiteral("\r\n%COMPILE%\r\nコマンドを実行できませんでした。\r\n")));
    QVERIFY(box.bench.windowFlags.CanRun);
    QVERIFY(!box.bench.busy);
}

void BuildPipelineTest::unwritableProductIsNamedAndTheBuildGoesOn_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("log");
    QTest::newRow("descriptor")
        << QStringLiteral("bin/Hello.jam")
        << QStringLiteral("\r\n%COMPILE%\r\n%JAM%の保存に失敗しました。\r\n"
                          "HTMLファイルを保存しました。%HTM%\r\nコンパイルは正常に終了しました。\r\n");
    QTest::newRow("page")
        << QStringLiteral("bin/Hello.htm")
        << QStringLiteral("\r\n%COMPILE%\r\nJAMファイルを保存しました。 %JAM%\r\n"
                          "%HTM%の保存に失敗しました。\r\nコンパイルは正常に終了しました。\r\n");
}

void BuildPipelineTest::unwritableProductIsNamedAndTheBuildGoesOn()
{
    QFETCH(QString, blocked);
    QFETCH(QString, log);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));  // what the package stage would leave
    // A folder in the file's place cannot be replaced by a file.
    QVERIFY(box.writeFile(blocked + QStringLiteral("/keep"), "x"));
    Services services = box.services();
    QVERIFY(!Compile_Click(services));
    QCOMPARE(box.bench.log, expand(box, log));
    QVERIFY(box.bench.windowFlags.CanRun);
}

void BuildPipelineTest::secondBuildStartsAfreshWithItsOwnRunner()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));  // what the package stage would leave
    Services services = box.services();
    QVERIFY(Compile_Click(services));
    const QString first = box.bench.log;
    QVERIFY(Compile_Click(services));
    QCOMPARE(box.bench.log, first);
    QCOMPARE(box.runners.runnersCreated, 2);
}

QTEST_GUILESS_MAIN(BuildPipelineTest)
#include "tst_build_pipeline.moc"
