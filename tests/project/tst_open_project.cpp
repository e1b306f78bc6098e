#include "app/code_page.h"
#include "project/open_project.h"
#include "project_sandbox.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kNotAProject = QStringLiteral(
    "このプロジェクトはQuenvelで扱える形式ではありません。\r\n"
    "\r\n"
    "(1)プロジェクトのソースコードは(プロジェクト名).javaでないといけません\r\n"
    "(2)パッケージは利用できません。");

QString lastProjectOnDisk(ProjectSandbox &box)
{
    return box.store.ReadIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), QStringLiteral("?"));
}

// A second project beside the sandbox's own, with a version of its own.
bool addGame(ProjectSandbox &box)
{
    const QString source = box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java");
    QDir().mkpath(QFileInfo(source).path());
    QFile file(source);
    return file.open(QIODevice::WriteOnly) && file.write(*toCodePage(templateSource(QStringLiteral("Game")))) > 0
           && box.store.WriteIniString(QStringLiteral("Game"), QStringLiteral("minor"), QStringLiteral("5"));
}

} // namespace

class OpenProjectTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void opensAndMakesTheProjectCurrent();
    void whatIsNoProject_data();
    void whatIsNoProject();
    void emptyNameAsksTheChooserForTheAppsFolder();
    void unwritableSettingsStillGovernedByTheOpenedProject();
    void unsavedEditsAreAskedAbout_data();
    void unsavedEditsAreAskedAbout();
    void newProjectOpensWhatTheDialogMade();
};

void OpenProjectTest::opensAndMakesTheProjectCurrent()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(addGame(box));
    box.bench.windowFlags = {true, false, false};  // a build of Hello had failed
    box.bench.log = QStringLiteral("old\r\n");

    Services services = box.services();
    QCOMPARE(OpenProject(services, QStringLiteral("Game")), templateSource(QStringLiteral("Game")));

    QCOMPARE(lastProjectOnDisk(box), QStringLiteral("Game"));
    QCOMPARE(box.settings().lastProject, QStringLiteral("Game"));
    QCOMPARE(box.settings().SourcePath, box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"));
    QCOMPARE(box.settings().minor, 5);
    QCOMPARE(box.bench.log, QStringLiteral("old\r\nプロジェクト [Game] は読みこまれました\r\n"));
    QVERIFY(box.bench.windowFlags.ProjectLoaded && box.bench.windowFlags.CanRun && box.bench.windowFlags.CanUpload);
    QVERIFY(box.bench.messages.isEmpty());
}

void OpenProjectTest::whatIsNoProject_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("setUp");  // a path below apps to create: a trailing / makes a folder

    QTest::newRow("source named otherwise") << QStringLiteral("Other") << QStringLiteral("Other/src/Main.java");
    QTest::newRow("an ordinary file") << QStringLiteral("readme.txt") << QStringLiteral("readme.txt");
    QTest::newRow("a folder where the source must be") << QStringLiteral("Odd") << QStringLiteral("Odd/src/Odd.java/");
    QTest::newRow("missing altogether") << QStringLiteral("Nope") << QString();
    QTest::newRow("outside the SDK") << QStringLiteral("../../outside") << QStringLiteral("../../outside/src/outside.java");
    QTest::newRow("a blank in the name") << QStringLiteral("a b") << QStringLiteral("a b/src/a b.java");
    QTest::newRow("a bracket in the name") << QStringLiteral("a]b") << QStringLiteral("a]b/src/a]b.java");
}

void OpenProjectTest::whatIsNoProject()
{
    QFETCH(QString, name);
    QFETCH(QString, setUp);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    if (!setUp.isEmpty()) {
        const QString path = box.sdkDir() + QStringLiteral("/apps/") + setUp;
        if (setUp.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    box.bench.windowFlags = {true, false, true};
    const QString settingsBefore = QString::fromLatin1(readBytes(box.store.settingsFilePath()));

    Services services = box.services();
    QCOMPARE(OpenProject(services, name), std::nullopt);

    QCOMPARE(box.bench.messages, QStringList{kNotAProject});
    QCOMPARE(box.bench.log, QString());
    QCOMPARE(box.bench.windowFlags.CanRun, false);
    QCOMPARE(box.settings().lastProject, QStringLiteral("Hello"));
    QCOMPARE(QString::fromLatin1(readBytes(box.store.settingsFilePath())), settingsBefore);
}

void OpenProjectTest::emptyNameAsksTheChooserForTheAppsFolder()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.chooserAnswer = QStringLiteral("Hello");
    box.bench.source = QStringLiteral("stale");
    box.bench.windowFlags = {};

    Services services = box.services();
    mnuFileOpen_Click(services);

    QCOMPARE(box.bench.chooserPatterns, QStringList{box.sdkDir() + QStringLiteral("/apps/*")});
    QCOMPARE(box.bench.source, templateSource(QStringLiteral("Hello")));
    QVERIFY(box.bench.windowFlags.ProjectLoaded);

    // A cancelled choice is no error: nothing shown, nothing changed.
    box.bench.chooserAnswer.clear();
    box.bench.source = QStringLiteral("edited");
    mnuFileOpen_Click(services);
    QCOMPARE(box.bench.messages, QStringList());
    QCOMPARE(box.bench.source, QStringLiteral("edited"));
    QVERIFY(box.bench.windowFlags.ProjectLoaded);
}

void OpenProjectTest::unwritableSettingsStillGovernedByTheOpenedProject()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(addGame(box));
    // A folder where the settings file's lock must go: every write fails,
    // while the file itself still reads.
    QVERIFY(QDir().mkpath(box.store.settingsFilePath() + QStringLiteral(".lock/held")));

    Services services = box.services();
    QCOMPARE(OpenProject(services, QStringLiteral("Game")), templateSource(QStringLiteral("Game")));

    QCOMPARE(lastProjectOnDisk(box), QStringLiteral("Hello"));
    QCOMPARE(box.settings().lastProject, QStringLiteral("Game"));
    QCOMPARE(box.settings().ProjectFolder, box.sdkDir() + QStringLiteral("/apps/Game"));
    QCOMPARE(box.settings().SourcePath, box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"));
    QCOMPARE(box.settings().minor, 5);
    QCOMPARE(box.bench.log, QStringLiteral("プロジェクト [Game] は読みこまれました\r\n"));
}

void OpenProjectTest::unsavedEditsAreAskedAbout_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("saved");

    using A = Workbench::SaveAnswer;
    QTest::newRow("unchanged editor: no question") << false << int(A::Cancel) << 0 << true << false;
    QTest::newRow("yes saves, then opens") << true << int(A::Save) << 1 << true << true;
    QTest::newRow("no opens without saving") << true << int(A::Discard) << 1 << true << false;
    QTest::newRow("cancel stays") << true << int(A::Cancel) << 1 << false << false;
}

void OpenProjectTest::unsavedEditsAreAskedAbout()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(int, questions);
    QFETCH(bool, opened);
    QFETCH(bool, saved);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(addGame(box));
    const QString edited = QStringLiteral("class Hello {}\r\n");
    box.bench.source = edited;
    box.bench.modified = modified;
    box.bench.saveAnswer = Workbench::SaveAnswer(answer);
    box.bench.chooserAnswer = QStringLiteral("Game");

    Services services = box.services();
    mnuFileOpen_Click(services);

    QCOMPARE(box.bench.saveQuestions, questions);
    QCOMPARE(box.bench.chooserPatterns.size(), opened ? 1 : 0);
    QCOMPARE(box.bench.source, opened ? templateSource(QStringLiteral("Game")) : edited);
    QCOMPARE(readBytes(box.sdkDir() + QStringLiteral("/apps/Hello/src/Hello.java")).startsWith("class Hello"), saved);
}

void OpenProjectTest::newProjectOpensWhatTheDialogMade()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    QVERIFY(addGame(box));
    box.bench.source = QStringLiteral("kept");

    Services services = box.services();
    mnuFileNew_Click(services);  // the dialog made nothing
    QCOMPARE(box.bench.source, QStringLiteral("kept"));
    QVERIFY(box.bench.messages.isEmpty());

    box.bench.newProjectAnswer = QStringLiteral("Game");
    mnuFileNew_Click(services);
    QCOMPARE(box.bench.source, templateSource(QStringLiteral("Game")));
    QCOMPARE(box.settings().lastProject, QStringLiteral("Game"));
}

QTEST_GUILESS_MAIN(OpenProjectTest)
#include "tst_open_project.moc"
