// The applications the stand-in emulator is proven on, built by the program
// with and without shrinking their classes: the shrunk archive is smaller,
// passes the preverifier, prints the same and draws the same screen.
#include "file_bytes.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include "app/code_page.h"
#include "app/toolchain.h"
#include "build/build_pipeline.h"
#include "build/emulator_launch.h"
#include "build/handset_budget.h"
#include "build/process_runner.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

QString standinJdk() { return standinDir() + QStringLiteral("/jdk"); }
QString standinDoja() { return standinDir() + QStringLiteral("/doja"); }

struct Ran {
    int exitCode = -1;
    QString out;
};

// A project of the stand-in SDK's copy, shrunk or not, built as Build does.
struct ShrinkProject {
    ShrinkProject(const QString &name, const QString &projectLines, bool shrink)
        : box({.name = name, .sdkFolderName = QStringLiteral("sdk"), .javaPath = standinJdk(),
               .extraGlobalLines = QStringLiteral("[%1]\r\n%2%3").arg(name, projectLines,
                                                                      shrink ? QStringLiteral("Shrink=On\r\n") : QString()),
               .createSdk = false})
    {
    }

    ProjectSandbox box;
    bool valid = box.isValid() && copyTree(standinDoja(), box.sdkDir()) && box.writeProject();

    bool setFixture()
    {
        const QString fixture = sourceDir() + QStringLiteral("/tests/standin/apps/") + box.name();
        return QFile::remove(box.inProject(QStringLiteral("src/%1.java").arg(box.name())))
               && copyTree(fixture, box.projectFolder());
    }

    BuildOutcome build()
    {
        ProcessCommandRunnerFactory runners;
        Services services = box.services(runners);
        OpenedProject project = box.project();
        return Compile_Click(services, project);
    }

    qint64 archiveSize() const { return QFileInfo(box.project().paths.archive()).size(); }

    // The emulator as Run starts it, without a display, writing its screen to shot.
    Ran emulate(const QString &shot, const QString &keys)
    {
        const QString lib = box.sdkDir() + QStringLiteral("/lib/");
        const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style(), box.project().settings.TargetProfile);
        const QString classPath = QStringLiteral("%1dojatest.zip:%1kenv.zip:").arg(lib) + QString(tools.classPath).remove(QLatin1Char('"'));
        QStringList arguments = {QStringLiteral("-Djava.awt.headless=true"), QStringLiteral("-Ddojaemu.screenshot=") + shot};
        if (!keys.isEmpty())
            arguments << QStringLiteral("-Ddojaemu.keys=") + keys;
        arguments << QStringLiteral("-classpath") << classPath << QStringLiteral("com.nttdocomo.dojaemu.tests.Tester")
                  << QStringLiteral("jam") << QStringLiteral("phone1color") << QStringLiteral("bin/%1.jam").arg(box.name());
        QProcess process;
        process.setWorkingDirectory(box.projectFolder());
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(standinJdk() + QStringLiteral("/bin/java"), arguments);
        const bool ended = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
    }
};

} // namespace

class ShrinkStandinTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!QFileInfo(standinJdk() + QStringLiteral("/bin/javac")).isExecutable())
            QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
        if (!QFileInfo(PathStyle::posix().defaultProguardJar).isFile())
            QSKIP("no ProGuard where Debian puts it (proguard-cli)");
    }

    void sameApplicationShrunk_data()
    {
        QTest::addColumn<QString>("app");  // under tests/standin/apps
        QTest::addColumn<QString>("ini");  // the project's lines in Tovra.ini
        QTest::addColumn<QString>("keys");
        QTest::newRow("canvas game with an image") << "Game" << "TargetProfile=DoJa-2.0\r\nDrawArea=176x208\r\n" << "RIGHT,RIGHT,DOWN,*,#";
        QTest::newRow("start() that never returns") << "Loop" << "" << "1,2";
        // The component panel is left out: its ticker scrolls with the clock,
        // so two runs never draw the same screen.
        QTest::newRow("panel set by HTMLLayout") << "Page" << "" << "0";
        QTest::newRow("MIDI sound for a 503i") << "Tone" << "TargetProfile=DoJa-1.0\r\n" << "";
        QTest::newRow("scratchpads") << "Pads" << "SPsize=8,16\r\n" << "";
        QTest::newRow("float on DoJa-4.0") << "Float40" << "TargetProfile=DoJa-4.0\r\n" << "";
    }

    void sameApplicationShrunk()
    {
        QFETCH(QString, app);
        QFETCH(QString, ini);
        QFETCH(QString, keys);
        Ran runs[2];
        qint64 sizes[2];
        QImage screens[2];
        for (const bool shrink : {false, true}) {
            ShrinkProject project(app, ini, shrink);
            QVERIFY(project.valid && project.setFixture());
            project.build();
            QVERIFY2(project.box.bench.results.last(), qPrintable(project.box.bench.log));
            const QString map = project.box.inProject(QStringLiteral("bin/%1.map").arg(app));
            QCOMPARE(QFileInfo(map).isFile(), shrink);
            QCOMPARE(project.box.bench.log.contains(QStringLiteral("\r\n縮小: ")), shrink);
            const QString shot = project.box.root() + QStringLiteral("/shot.png");
            runs[shrink] = project.emulate(shot, keys);
            screens[shrink] = QImage(shot);
            sizes[shrink] = project.archiveSize();
            QVERIFY(!screens[shrink].isNull());
            const QString profile = project.box.project().settings.TargetProfile;
            qInfo("%s %s: %s", qPrintable(app), shrink ? "shrunk" : "as compiled",
                  qPrintable(handsetBudget(sizes[shrink], {}, profile.isEmpty() ? QStringLiteral("DoJa-1.0") : profile).first().text));
        }
        QCOMPARE(runs[1].exitCode, 0);
        QCOMPARE(runs[1].out, runs[0].out);
        QVERIFY2(sizes[1] < sizes[0], qPrintable(QStringLiteral("%1 → %2").arg(sizes[0]).arg(sizes[1])));
        QVERIFY(screens[1] == screens[0]);
    }

    // A trace printed by the shrunk classes comes back in the log with the
    // source's names, from the map the build wrote.
    void shrunkStackTraceReadBack()
    {
        ShrinkProject project(QStringLiteral("Crash"), QStringLiteral("TargetProfile=DoJa-1.0\r\n"), true);
        QVERIFY(project.valid);
        const QString source = QStringLiteral(
            "import com.nttdocomo.ui.*;\r\n"
            "public class Crash extends IApplication {\r\n"
            "    public void start() {\r\n"
            "        Counter counter = new Counter();\r\n"
            "        counter.count(2);\r\n"
            "        counter.count(-1);\r\n"
            "    }\r\n"
            "}\r\n"
            "class Counter {\r\n"
            "    private int total;\r\n"
            "    void count(int times) {\r\n"
            "        if (times > 0) {\r\n"
            "            total += times;\r\n"
            "            count(times - 1);\r\n"
            "        } else if (times < 0) {\r\n"
            "            fail(\"below zero\", total);\r\n"
            "        }\r\n"
            "    }\r\n"
            "    void fail(String why, int at) {\r\n"
            "        if (at > 2)\r\n"
            "            throw new RuntimeException(why + \" at \" + at);\r\n"
            "        System.out.println(why);\r\n"
            "    }\r\n"
            "}\r\n");
        QVERIFY(project.box.writeFile(QStringLiteral("src/Crash.java"), toCodePage(source).value()));
        project.build();
        QVERIFY2(project.box.bench.results.last(), qPrintable(project.box.bench.log));

        ProcessCommandRunnerFactory runners;
        Services services = project.box.services(runners);
        project.box.bench.log.clear();
        Run_Click(services, project.box.project());
        QVERIFY(!project.box.bench.results.last());
        const QString log = project.box.bench.log;
        const QString map = project.box.project().paths.shrinkMap();
        // The shrunk names as the emulator printed them, then the source's.
        QVERIFY2(log.contains(QStringLiteral("java.lang.RuntimeException: below zero at 3\r\n\tat a.a(Unknown Source)\r\n")),
                 qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("エミュレータが終了しました。(終了コード 1)\r\n縮小前の名前に戻したスタックトレース(")
                              + map + QStringLiteral("):\r\njava.lang.RuntimeException: below zero at 3\r\n"
                                                     "\tat Counter.count(Unknown Source)\r\n\tat Crash.start(Unknown Source)\r\n")),
                 qPrintable(log));
    }
};

QTEST_GUILESS_MAIN(ShrinkStandinTest)
#include "tst_shrink_standin.moc"
