#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/emulator_launch.h"
#include "build/process_runner.h"
#include "app/code_page.h"
#include "app/project_paths.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <memory>

namespace {

QString standinJdk() { return standinDir() + QStringLiteral("/jdk"); }
QString standinDoja() { return standinDir() + QStringLiteral("/doja"); }

bool standinsPresent()
{
    return QFileInfo(standinJdk() + QStringLiteral("/bin/javac")).isExecutable()
           && QFileInfo(standinJdk() + QStringLiteral("/bin/jar")).isExecutable()
           && QFileInfo(standinDoja() + QStringLiteral("/bin/preverify")).isExecutable()
           && QFileInfo::exists(standinDoja() + QStringLiteral("/lib/dojaapi.jar"));
}

// A project in a private copy of the stand-in SDK, built with the real tools.
struct RealProject {
    explicit RealProject(const QString &name = QStringLiteral("Hello"),
                         const QString &sdkFolderName = QStringLiteral("sdk"))
        : box(options(name, sdkFolderName))
    {
        valid = box.isValid() && copyTree(standinDoja(), box.sdkDir()) && box.writeProject();
        box.bench.source = templateSource(name);
        box.bench.modified = true;
    }

    static ProjectSandbox::Options options(const QString &name, const QString &sdkFolderName)
    {
        ProjectSandbox::Options o;
        o.name = name;
        o.sdkFolderName = sdkFolderName;
        o.javaPath = standinJdk();
        o.createSdk = false;
        return o;
    }

    bool build()
    {
        Services services = box.services(runners);
        return Compile_Click(services);
    }

    bool run()
    {
        Services services = box.services(runners);
        return Run_Click(services);
    }

    // The source, in the editor and on disk alike.
    bool setSource(const QString &text)
    {
        box.bench.source = text;
        const std::optional<QByteArray> bytes = toCodePage(text);
        return bytes && box.writeFile(QStringLiteral("src/") + box.name() + QStringLiteral(".java"), *bytes);
    }

    // The build's log without the source save's own line, which its tests check.
    QString buildLog() const
    {
        const QString saveLine = box.settings().SourcePath + QStringLiteral("を保存しました。\r\n");
        const QString log = box.bench.log;
        return log.startsWith(saveLine) ? log.mid(saveLine.size()) : log;
    }

    ProjectPaths paths() const { return ProjectPaths::current(box.settings(), box.store.style()); }
    QString archive() const { return paths().archive(); }
    QString descriptor() const { return paths().descriptor(); }

    QStringList archiveEntries() const
    {
        QProcess jar;
        // Entry names outside ASCII survive only a UTF-8 locale.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        jar.setProcessEnvironment(environment);
        jar.start(standinJdk() + QStringLiteral("/bin/jar"), {QStringLiteral("tf"), archive()});
        if (!jar.waitForFinished(120000))
            return {};
        return QString::fromUtf8(jar.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QString descriptorText() const { return fromCodePage(readBytes(descriptor())); }

    QString expectedSuccessLog(bool withResources) const
    {
        const AppSettings &s = box.settings();
        const PathStyle &style = box.store.style();
        QString log = QStringLiteral("\r\n") + compileCommandLine(s, style) + QStringLiteral("\r\n");
        if (withResources)
            log += QStringLiteral("JARファイルを保存しました。 ") + archive() + QStringLiteral("\r\n");
        return log + QStringLiteral("JAMファイルを保存しました。 ") + descriptor() + QStringLiteral("\r\n")
               + QStringLiteral("HTMLファイルを保存しました。") + paths().page() + QStringLiteral("\r\n")
               + QStringLiteral("コンパイルは正常に終了しました。\r\n");
    }

    ProjectSandbox box;
    ProcessCommandRunnerFactory runners;
    bool valid = false;
};

} // namespace

class BuildRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void buildsTheTemplate();
    void runsTheBuiltApplication();
    void compilerComplaintsStopTheBuild_data();
    void compilerComplaintsStopTheBuild();
    void strayFileFailsPreverifyButNotTheBuild();
    void folderInTheArchivesPlaceFailsPackaging();
    void resources_data();
    void resources();
    void japaneseNameInAnSdkFolderWithABlank();
};

void BuildRoadTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void BuildRoadTest::init()
{
    if (!standinsPresent())
        QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
}

void BuildRoadTest::buildsTheTemplate()
{
    RealProject project;
    QVERIFY(project.valid);
    QVERIFY(project.build());

    QCOMPARE(project.buildLog(), project.expectedSuccessLog(false));
    QVERIFY(project.box.bench.windowFlags.CanRun);
    QVERIFY2(project.archiveEntries().contains(QStringLiteral("Hello.class")),
             qPrintable(project.archiveEntries().join(QLatin1Char(' '))));
    const qint64 size = QFileInfo(project.archive()).size();
    QVERIFY(size > 0);
    QVERIFY2(project.descriptorText().contains(QStringLiteral("\r\nAppSize = %1\r\n").arg(size)),
             qPrintable(project.descriptorText()));
}

void BuildRoadTest::runsTheBuiltApplication()
{
    RealProject project;
    QVERIFY(project.valid);
    QVERIFY(project.build());
    const QString buildLog = project.box.bench.log;
    project.box.bench.windowFlags.CanUpload = false;

    QVERIFY2(project.run(), qPrintable(project.box.bench.log));
    const QString line = emulatorCommandLine(project.box.settings(), project.box.store.style());
    QVERIFY(project.box.bench.log.startsWith(buildLog + line + QStringLiteral("\r\n")));
    QVERIFY(project.box.bench.windowFlags.CanUpload);
}

void BuildRoadTest::compilerComplaintsStopTheBuild_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("printed");  // a word the compiler's output holds
    QTest::newRow("syntax error")
        << QStringLiteral("import com.nttdocomo.ui.*;\r\npublic class Hello extends IApplication {\r\n")
        << QStringLiteral("error");
}

void BuildRoadTest::compilerComplaintsStopTheBuild()
{
    QFETCH(QString, source);
    QFETCH(QString, printed);
    RealProject project;
    QVERIFY(project.valid);
    QVERIFY(project.setSource(source));
    QVERIFY(!project.build());

    const QString log = project.buildLog();
    const QString line = compileCommandLine(project.box.settings(), project.box.store.style());
    QVERIFY2(log.startsWith(QStringLiteral("\r\n") + line + QStringLiteral("\r\n")), qPrintable(log));
    QVERIFY2(log.endsWith(QStringLiteral("\r\nコンパイルは失敗しました。\r\n")), qPrintable(log));
    QVERIFY2(log.contains(printed), qPrintable(log));
    QVERIFY(!project.box.bench.windowFlags.CanRun);
    QVERIFY(!QFileInfo::exists(project.archive()));
}

void BuildRoadTest::strayFileFailsPreverifyButNotTheBuild()
{
    RealProject project;
    QVERIFY(project.valid);
    QVERIFY(project.box.writeFile(QStringLiteral("tmpclasses/notes.txt"), "not a class\n"));
    QVERIFY(!project.build());  // the log ends well; only the result says a stage failed

    const QString log = project.buildLog();
    const QString line = preverifyCommandLine(project.box.settings(), project.box.store.style());
    QVERIFY2(log.contains(QStringLiteral("\r\n") + line + QStringLiteral("\r\nクラスファイルの検証に失敗しました\r\n")),
             qPrintable(log));
    QVERIFY(log.endsWith(QStringLiteral("コンパイルは正常に終了しました。\r\n")));
    QVERIFY(project.box.bench.windowFlags.CanRun);
}

void BuildRoadTest::folderInTheArchivesPlaceFailsPackaging()
{
    RealProject project;
    QVERIFY(project.valid);
    // Not empty: jar would replace an empty folder.
    QVERIFY(project.box.writeFile(QStringLiteral("bin/Hello.jar/keep"), "x"));
    QVERIFY(!project.build());

    const QString log = project.buildLog();
    QVERIFY2(log.contains(QStringLiteral("\r\nJARファイルの生成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。\r\n")),
             qPrintable(log));
    QVERIFY(log.endsWith(QStringLiteral("コンパイルは正常に終了しました。\r\n")));
    const QString descriptor = project.descriptorText();
    QVERIFY2(descriptor.startsWith(QStringLiteral("PackageURL = Hello.jar\r\nAppName = Hello\r\n")), qPrintable(descriptor));
}

void BuildRoadTest::resources_data()
{
    QTest::addColumn<QString>("file");  // below res; empty: nothing; a trailing / makes a folder only
    QTest::addColumn<QString>("entry"); // expected in the archive; empty: no resource stage
    QTest::newRow("image lands in the archive root") << QStringLiteral("icon.png") << QStringLiteral("icon.png");
    QTest::newRow("empty res") << QString() << QString();
    QTest::newRow("only a subfolder with a file") << QStringLiteral("pics/icon.png") << QString();
    QTest::newRow("only a hidden file") << QStringLiteral(".icon.png") << QString();
}

void BuildRoadTest::resources()
{
    QFETCH(QString, file);
    QFETCH(QString, entry);
    RealProject project;
    QVERIFY(project.valid);
    if (!file.isEmpty())
        QVERIFY(project.box.writeFile(QStringLiteral("res/") + file, QByteArray("\x89PNG\r\n\x1a\n", 8)));
    QVERIFY(project.build());

    QCOMPARE(project.buildLog(), project.expectedSuccessLog(!entry.isEmpty()));
    const QStringList entries = project.archiveEntries();
    QVERIFY(entries.contains(QStringLiteral("Hello.class")));
    if (!entry.isEmpty())
        QVERIFY2(entries.contains(entry), qPrintable(entries.join(QLatin1Char(' '))));
    if (!file.isEmpty() && entry.isEmpty())
        QVERIFY(!entries.contains(file));
}

void BuildRoadTest::japaneseNameInAnSdkFolderWithABlank()
{
    RealProject project(QStringLiteral("テスト"), QStringLiteral("doja sdk"));
    QVERIFY(project.valid);
    QVERIFY2(project.build(), qPrintable(project.box.bench.log));
    QCOMPARE(project.buildLog(), project.expectedSuccessLog(false));
    QVERIFY2(project.archiveEntries().contains(QStringLiteral("テスト.class")),
             qPrintable(project.archiveEntries().join(QLatin1Char(' '))));
    QVERIFY2(project.run(), qPrintable(project.box.bench.log));
    QVERIFY(project.box.bench.windowFlags.CanUpload);
}

QTEST_GUILESS_MAIN(BuildRoadTest)
#include "tst_build_road.moc"
