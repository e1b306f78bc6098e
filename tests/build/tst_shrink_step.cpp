#include "app/app_settings.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/descriptor_edits.h"
#include "build/jam_writer.h"
#include "build/handset_budget.h"
#include "build/shrink_step.h"
#include "build/stack_trace_mapping.h"
#include "project_sandbox.h"

#include "project/project_settings_dialog.h"

#include <QCheckBox>
#include <QStandardPaths>
#include <QTest>

namespace {

// What ProGuard 6.2.2 wrote for an application whose Counter.count(int)
// throws, and what the emulator printed (standard error) running it.
const QString kCrashMap = QStringLiteral("Counter -> a:\n"
                                         "    int total -> a\n"
                                         "    void <init>() -> <init>\n"
                                         "    void count(int) -> a\n"
                                         "Crash -> Crash:\n"
                                         "    void <init>() -> <init>\n"
                                         "    void start() -> start\n");
const QString kCrashTrace = QStringLiteral("java.lang.RuntimeException: below zero at 3\n"
                                           "\tat a.a(Unknown Source)\n"
                                           "\tat Crash.start(Unknown Source)\n"
                                           "\tat com.nttdocomo.dojaemu.tests.Tester.launch(Tester.java:149)\n"
                                           "\tat java.base/java.lang.Thread.run(Thread.java:840)\n");

Toolchain toolsFor(bool windows, const QString &dojaPath, const QString &proguardJar)
{
    const PathStyle style = windows ? PathStyle::windows() : PathStyle::posix();
    AppSettings s;
    s.JAVA_PATH = windows ? QStringLiteral(R"(c:\jdk1.3.1)") : QStringLiteral("/opt/jdk");
    s.DOJA_PATH = dojaPath;
    s.CLASSPATH = s.BOOTCLASSPATH = defaultClassPath(dojaPath, style);
    s.PROGUARD_JAR = proguardJar;
    return Toolchain::fromSettings(s, style);
}

} // namespace

class ShrinkStepTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void commandLines_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("dojaPath");
        QTest::addColumn<QStringList>("lines");  // ProGuard, then the preverifier on its classes

        QTest::newRow("windows")
            << true << QStringLiteral(R"(D:\sdk)")
            << QStringList{R"("c:\jdk1.3.1\bin\java" -jar "E:\pg\proguard.jar" -injars tmpclasses -outjars shrunkclasses -libraryjars "'D:\sdk\lib\dojaapi.jar'" -microedition -dontpreverify -overloadaggressively -repackageclasses -allowaccessmodification -dontusemixedcaseclassnames -printmapping bin\Hello.map -keep public class Hello { public <init>(); })",
                           R"("D:\sdk\bin\preverify" -classpath shrunkclasses;"D:\sdk\lib\dojaapi.jar" -d classes shrunkclasses)"};
        // ProGuard splits its own arguments at blanks outside single quotes.
        QTest::newRow("posix sdk folder with blanks")
            << false << QStringLiteral("/home/u/my sdk")
            << QStringList{R"("/opt/jdk/bin/java" -jar "E:\pg\proguard.jar" -injars tmpclasses -outjars shrunkclasses -libraryjars "'/home/u/my sdk/lib/dojaapi.jar'" -microedition -dontpreverify -overloadaggressively -repackageclasses -allowaccessmodification -dontusemixedcaseclassnames -printmapping bin/Hello.map -keep public class Hello { public <init>(); })",
                           R"("/home/u/my sdk/bin/preverify" -classpath shrunkclasses:"/home/u/my sdk/lib/dojaapi.jar" -d classes shrunkclasses)"};
    }

    void commandLines()
    {
        QFETCH(bool, windows);
        QFETCH(QString, dojaPath);
        const Toolchain tools = toolsFor(windows, dojaPath, QStringLiteral(R"(E:\pg\proguard.jar)"));
        QTEST((QStringList{shrinkCommandLine(tools, QStringLiteral("Hello")),
                           preverifyCommandLine(tools, QStringLiteral("shrunkclasses"))}),
              "lines");
    }

    void toolProblems_data()
    {
        QTest::addColumn<QString>("dojaPath");
        QTest::addColumn<QString>("proguardJar");  // %HERE% is this test program
        QTest::addColumn<QString>("problem");

        QTest::newRow("Windows names no archive by default")
            << "/sdk" << PathStyle::windows().defaultProguardJar
            << "ProGuardが見つかりません(PROGUARD_JARが空です)。Tovra.iniのPROGUARD_JARにproguard.jarのパスを指定してください。";
        QTest::newRow("the named archive is not there")
            << "/sdk" << "/nowhere/proguard.jar"
            << "ProGuardが見つかりません(/nowhere/proguard.jar)。Tovra.iniのPROGUARD_JARにproguard.jarのパスを指定してください。";
        QTest::newRow("a quote in the archive's path would end its argument")
            << "/sdk" << "/pg\" -injars x"
            << "Tovra.iniのPROGUARD_JARの値に「\"」は使えません。PROGUARD_JARを直してください。";
        QTest::newRow("ProGuard cannot read a single quote in the API archive's path")
            << "/it's" << "%HERE%" << "DoJa APIのパス/it's/lib/dojaapi.jarには「'」があるため、ProGuardに渡せません。";
        QTest::newRow("an archive that is there") << "/sdk" << "%HERE%" << "";
    }

    void toolProblems()
    {
        QFETCH(QString, dojaPath);
        QFETCH(QString, proguardJar);
        proguardJar.replace(QStringLiteral("%HERE%"), QCoreApplication::applicationFilePath());
        const Result<> ready = shrinkToolReady(toolsFor(false, dojaPath, proguardJar));
        QTEST(ready ? QString() : ready.error(), "problem");
    }

    void gainLine_data()
    {
        QTest::addColumn<qint64>("before");
        QTest::addColumn<qint64>("after");
        QTest::addColumn<QString>("line");
        QTest::newRow("a third less") << qint64(12345) << qint64(7890) << "縮小: 12,345 → 7,890 バイト (-36%)";
        QTest::newRow("grown") << qint64(100) << qint64(103) << "縮小: 100 → 103 バイト (+3%)";
        QTest::newRow("no classes before") << qint64(0) << qint64(0) << "縮小: 0 → 0 バイト (0%)";
    }

    void gainLine()
    {
        QFETCH(qint64, before);
        QFETCH(qint64, after);
        QTEST(shrinkGainLine(before, after), "line");
    }

    void restoredTraces_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("restored");

        QTest::newRow("the emulator's trace: renamed frames restored, the library's kept")
            << kCrashMap << "Tester: Crash を起動しました (phone1color)\n" + kCrashTrace
            << QStringList{"java.lang.RuntimeException: below zero at 3", "\tat Counter.count(Unknown Source)",
                           "\tat Crash.start(Unknown Source)",
                           "\tat com.nttdocomo.dojaemu.tests.Tester.launch(Tester.java:149)",
                           "\tat java.base/java.lang.Thread.run(Thread.java:840)"};
        QTest::newRow("overloads on one short name are all named; a renamed exception and its cause")
            << "Field -> a:\n    void paint(com.nttdocomo.ui.Graphics) -> paint\n"
               "    12:14:void move(int):30:32 -> a\n    void move(int,int) -> a\n    int x -> b\n"
               "Oops -> b:\n    void <init>(java.lang.String) -> <init>\n"
            << "b: lost\r\n\tat a.a(Unknown Source)\n\tat a.paint(Unknown Source)\nCaused by: b: first\n"
               "\tat a.a(Unknown Source)\n\t... 1 more\nb\n"
            << QStringList{"Oops: lost", "\tat Field.move(Unknown Source)", "\tat Field.paint(Unknown Source)",
                           "Caused by: Oops: first", "\tat Field.move(Unknown Source)", "\t... 1 more"};
        QTest::newRow("a line that only looks like a renamed class stays out")
            << kCrashMap << "a\nTester: done\n" + kCrashTrace.section(QLatin1Char('\n'), 0, 1) + "\n"
            << QStringList{"java.lang.RuntimeException: below zero at 3", "\tat Counter.count(Unknown Source)"};
        QTest::newRow("a trace of names the shrinker kept: nothing to restore")
            << kCrashMap << "java.lang.RuntimeException: x\n\tat Crash.start(Unknown Source)\n" << QStringList();
        QTest::newRow("an empty map restores nothing") << QString() << kCrashTrace << QStringList();
    }

    void restoredTraces()
    {
        QFETCH(QString, map);
        QFETCH(QString, output);
        QFETCH(QStringList, restored);
        const QString lf = QString(output).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(restoredStackTraces(parseShrinkMap(map), lf), restored);
        // A map written with CR LF reads the same.
        QCOMPARE(restoredStackTraces(parseShrinkMap(QString(map).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))), lf),
                 restored);
    }

    // The setting is the program's own: the dialog sets it, the descriptor
    // never holds it, and a line typed into the descriptor does not set it.
    void settingStaysOutOfTheDescriptor()
    {
        ProjectSandbox box;
        QVERIFY(box.isValid());
        OpenedProject project = box.project();
        ProjectSettings on = project.settings;
        on.Shrink = QStringLiteral("On");
        ProjectSettingsDialog dialog(project.name, project.settings);
        dialog.findChild<QCheckBox *>(QStringLiteral("chkShrink"))->setChecked(true);
        QCOMPARE(dialog.settings(), on);
        QVERIFY(box.store.saveProjectSettings(project, on));
        QVERIFY(readBytes(box.store.settingsFilePath()).contains("[Hello]\r\nShrink=On\r\n"));
        project.settings = on;
        QVERIFY(!MakeJamText(project, box.clock.now()).contains(QStringLiteral("Shrink"), Qt::CaseInsensitive));

        project.settings.Shrink.clear();
        const DescriptorEdits edits = findHandEdits(QStringLiteral("AppClass = Hello\r\nshrink = On\r\n"), project);
        QCOMPARE(edits.settings, project.settings);
        QVERIFY(edits.taken.isEmpty());
        QVERIFY(!extraLineProblem({QStringLiteral("Shrink"), QStringLiteral("On")}).isEmpty());
        QCOMPARE(projectSettingProblem(QStringLiteral("Shrink"), QStringLiteral("Yes")),
                 QStringLiteral("Shrinkは「On」か空にしてください。"));
    }

    // The build with the setting on, its tools answered by the fake runner.
    void roads_data()
    {
        QTest::addColumn<int>("proguardResult");  // -1: no ProGuard where the settings say
        QTest::addColumn<QString>("proguardOutput");
        QTest::addColumn<QString>("log");         // after the compile line
        QTest::addColumn<int>("toolsRun");
        QTest::addColumn<bool>("complete");

        QTest::newRow("shrunk classes are checked and packed; the gain stands before the budget")
            << 0 << "ProGuard, version 6.2.2\n"
            << "%PROGUARD%\r\nJAMファイルを保存しました。 %JAM%\r\nHTMLファイルを保存しました。%HTM%\r\n"
               "コンパイルは正常に終了しました。\r\n縮小: 1,000 → 400 バイト (-60%)\r\nJAR 2 バイト\r\n"
            << 4 << true;
        QTest::newRow("ProGuard's failure stops the build in its own words")
            << 1 << "Warning: a: can't find referenced class Gone\nError: Please correct the above warnings first.\n"
            << "%PROGUARD%\r\nWarning: a: can't find referenced class Gone\r\n"
               "Error: Please correct the above warnings first.\r\n\r\nクラスの縮小に失敗しました。\r\n"
            << 2 << false;
        QTest::newRow("no ProGuard: the build stops and says where to name it")
            << -1 << ""
            << "ProGuardが見つかりません(/nowhere/proguard.jar)。Tovra.iniのPROGUARD_JARにproguard.jarのパスを指定してください。\r\n"
               "クラスの縮小に失敗しました。\r\n"
            << 1 << false;
    }

    void roads()
    {
        QFETCH(int, proguardResult);
        QFETCH(QString, proguardOutput);
        QFETCH(QString, log);
        const QString jar = proguardResult < 0 ? QStringLiteral("/nowhere/proguard.jar")
                                               : QCoreApplication::applicationFilePath();
        ProjectSandbox box({.name = QStringLiteral("Hello"), .sdkFolderName = QStringLiteral("sdk"),
                            .javaPath = QStringLiteral("/opt/jdk"),
                            .extraGlobalLines = QStringLiteral("PROGUARD_JAR=%1\r\n[Hello]\r\nShrink=On\r\n").arg(jar),
                            .createSdk = true});
        QVERIFY(box.isValid());
        OpenedProject project = box.project();
        QCOMPARE(project.settings.Shrink, QStringLiteral("On"));
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style());
        const QString proguard = shrinkCommandLine(tools, QStringLiteral("Hello"));
        box.runners.answer = [&](const QString &line) {
            if (line == proguard) {
                box.writeFile(QStringLiteral("tmpclasses/Hello.class"), QByteArray(600, 'c'));
                box.writeFile(QStringLiteral("tmpclasses/Field.class"), QByteArray(400, 'c'));
                box.writeFile(QStringLiteral("shrunkclasses/Hello.class"), QByteArray(400, 'c'));
                return CommandResult{proguardResult, proguardOutput};
            }
            if (line.contains(QStringLiteral(" cMf ")))
                box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
            return CommandResult{};
        };
        // A class of an earlier shrink must not be packed again.
        QVERIFY(box.writeFile(QStringLiteral("shrunkclasses/old.class"), "old"));
        Services services = box.services();
        const BuildOutcome outcome = Compile_Click(services, project);

        const ProjectPaths &paths = project.paths;
        const QString expected = QString(log).replace(QStringLiteral("%PROGUARD%"), proguard)
                                     .replace(QStringLiteral("%JAM%"), paths.descriptor())
                                     .replace(QStringLiteral("%HTM%"), paths.page());
        const QString afterCompile = compileCommandLine(tools) + QStringLiteral("\r\n");
        QCOMPARE(box.bench.log.mid(box.bench.log.indexOf(afterCompile) + afterCompile.size()), expected);
        QTEST(int(box.runners.commands.size()), "toolsRun");
        QTEST(box.bench.results.value(0), "complete");
        if (box.runners.commands.size() > 2) {
            QCOMPARE(box.runners.commands[2].commandLine, preverifyCommandLine(tools, QStringLiteral("shrunkclasses")));
            QVERIFY(!QFileInfo::exists(box.inProject(QStringLiteral("shrunkclasses/old.class"))));
        }
    }
};

QTEST_MAIN(ShrinkStepTest)
#include "tst_shrink_step.moc"
