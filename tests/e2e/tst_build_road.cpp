#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/process_runner.h"
#include "app/code_page.h"
#include "app/project_paths.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

QString standinJdk() { return standinDir() + QStringLiteral("/jdk"); }
QString standinDoja() { return standinDir() + QStringLiteral("/doja"); }

QStringList archiveEntries(const QString &archive)
{
    QProcess jar;
    // Entry names outside ASCII survive only a UTF-8 locale.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    jar.setProcessEnvironment(environment);
    jar.start(standinJdk() + QStringLiteral("/bin/jar"), {QStringLiteral("tf"), archive});
    if (!jar.waitForFinished(120000))
        return {};
    return QString::fromUtf8(jar.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class BuildRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void builds_data();
    void builds();
};

void BuildRoadTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!QFileInfo(standinJdk() + QStringLiteral("/bin/javac")).isExecutable()
        || !QFileInfo(standinDoja() + QStringLiteral("/bin/preverify")).isExecutable())
        QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
}

void BuildRoadTest::builds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sdkFolder");
    QTest::addColumn<QString>("resFile");  // below res; empty: none
    QTest::addColumn<QString>("entry");    // expected in the archive; empty: no resource stage

    const QString hello = QStringLiteral("Hello");
    const QString sdk = QStringLiteral("sdk");
    const QString none;
    QTest::newRow("the template, empty res") << hello << sdk << none << none;
    QTest::newRow("japanese name in an sdk folder with a blank") << QStringLiteral("テスト") << "doja sdk" << none << none;
    QTest::newRow("image lands in the archive root") << hello << sdk << "icon.png" << "icon.png";
    QTest::newRow("res with only a subfolder has no resource stage") << hello << sdk << "pics/icon.png" << none;
    QTest::newRow("res with only a hidden file has no resource stage") << hello << sdk << ".icon.png" << none;
}

void BuildRoadTest::builds()
{
    QFETCH(QString, name);
    QFETCH(QString, sdkFolder);
    QFETCH(QString, resFile);
    QFETCH(QString, entry);
    // A project in a private copy of the stand-in SDK, built with the real tools.
    ProjectSandbox box(ProjectSandbox::Options{.name = name, .sdkFolderName = sdkFolder, .javaPath = standinJdk(),
                                               .extraGlobalLines = {}, .createSdk = false});
    QVERIFY(box.isValid() && copyTree(standinDoja(), box.sdkDir()) && box.writeProject());
    if (!resFile.isEmpty())
        QVERIFY(box.writeFile(QStringLiteral("res/") + resFile, QByteArray("\x89PNG\r\n\x1a\n", 8)));
    box.bench.source = templateSource(name);
    box.bench.modified = true;
    ProcessCommandRunnerFactory runners;
    Services services = box.services(runners);
    QVERIFY2(Compile_Click(services), qPrintable(box.bench.log));

    const AppSettings &s = box.settings();
    const PathStyle &style = box.store.style();
    const QString archive = ProjectPaths::current(s, style).archive();
    const QString resourceLine = QStringLiteral("JARファイルを保存しました。 ") + archive + QStringLiteral("\r\n");
    QCOMPARE(box.bench.log, s.SourcePath + QStringLiteral("を保存しました。\r\n\r\n") + compileCommandLine(s, style)
                                + QStringLiteral("\r\n") + (entry.isEmpty() ? QString() : resourceLine)
                                + QStringLiteral("JAMファイルを保存しました。 ") + ProjectPaths::current(s, style).descriptor()
                                + QStringLiteral("\r\nHTMLファイルを保存しました。") + ProjectPaths::current(s, style).page()
                                + QStringLiteral("\r\nコンパイルは正常に終了しました。\r\n"));
    const QStringList entries = archiveEntries(archive);
    QVERIFY2(entries.contains(name + QStringLiteral(".class")) && (entry.isEmpty() || entries.contains(entry)),
             qPrintable(entries.join(QLatin1Char(' '))));
    const QString descriptor = fromCodePage(readBytes(ProjectPaths::current(s, style).descriptor()));
    const qint64 size = QFileInfo(archive).size();
    QVERIFY2(size > 0 && descriptor.contains(QStringLiteral("\r\nAppSize = %1\r\n").arg(size)), qPrintable(descriptor));
}

QTEST_GUILESS_MAIN(BuildRoadTest)
#include "tst_build_road.moc"
