#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/handset_budget.h"
#include "build/process_runner.h"
#include "app/code_page.h"
#include "app/toolchain.h"
#include "project_sandbox.h"
#include "test_paths.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

// The template in an SDK folder with a blank is the window's road, and the
// emulator finds what the archive holds in the stand-in's test; this road adds
// a name outside ASCII through every stage.
class BuildRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void japaneseNameWithAnImage();
};

void BuildRoadTest::japaneseNameWithAnImage()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString jdk = standinDir() + QStringLiteral("/jdk");
    const QString doja = standinDir() + QStringLiteral("/doja");
    if (!QFileInfo(jdk + QStringLiteral("/bin/javac")).isExecutable()
        || !QFileInfo(doja + QStringLiteral("/bin/preverify")).isExecutable())
        QSKIP("the stand-in JDK and DoJa SDK are not assembled in this build tree");
    const QString name = QStringLiteral("テスト");
    ProjectSandbox box({.name = name, .sdkFolderName = QStringLiteral("doja sdk"), .javaPath = jdk,
                        .extraGlobalLines = {}, .createSdk = false});
    QVERIFY(box.isValid() && copyTree(doja, box.sdkDir()) && box.writeProject());
    QVERIFY(box.writeFile(QStringLiteral("res/icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8)));
    box.bench.source = templateSource(name);
    box.bench.modified = true;
    ProcessCommandRunnerFactory runners;
    Services services = box.services(runners);
    OpenedProject project = box.project();
    // Made for 503i handsets: compiled against the profile's own archive.
    ProjectSettings settings;
    settings.TargetProfile = QStringLiteral("DoJa-1.0");
    settings.SPsize = QStringLiteral("1024");
    QVERIFY(box.store.saveProjectSettings(project, settings));
    project.settings = settings;
    Compile_Click(services, project);
    QVERIFY2(box.bench.results.value(0), qPrintable(box.bench.log));

    const ProjectPaths &paths = project.paths;
    const Toolchain tools = Toolchain::fromSettings(box.settings(), box.store.style(), settings.TargetProfile);
    QVERIFY(tools.bootClassPath.contains(QStringLiteral("/lib/profiles/DoJa-1.0/dojaapi.jar")));
    const qint64 size = QFileInfo(paths.archive()).size();
    QCOMPARE(box.bench.log, paths.sourceFile() + QStringLiteral("を保存しました。\r\n\r\n")
                                + compileCommandLine(tools)
                                + QStringLiteral("\r\nJARファイルを保存しました。 ") + paths.archive()
                                + QStringLiteral("\r\nJAMファイルを保存しました。 ") + paths.descriptor()
                                + QStringLiteral("\r\nHTMLファイルを保存しました。") + paths.page()
                                + QStringLiteral("\r\nコンパイルは正常に終了しました。\r\n")
                                + handsetBudget(size, {1024}, settings.TargetProfile).first().text
                                + QStringLiteral("\r\nスクラッチパッド 1,024 / 5,120 バイト (20%) DoJa-1.0\r\n"));
    const QString descriptor = fromCodePage(readBytes(paths.descriptor()));
    QVERIFY2(size > 0 && descriptor.contains(QStringLiteral("\r\nAppSize = %1\r\n").arg(size))
                 && descriptor.contains(QStringLiteral("\r\nSPsize = 1024\r\n"))
                 && descriptor.endsWith(QStringLiteral("\r\nKvmVer = \r\nConfigurationVer = CLDC-1.0\r\n\r\n")),
             qPrintable(descriptor));
}

QTEST_GUILESS_MAIN(BuildRoadTest)
#include "tst_build_road.moc"
