#include "app/code_page.h"
#include "app/source_document.h"
#include "project/open_project.h"
#include "project/project_messages.h"
#include "project_sandbox.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kNotAProject = QStringLiteral(
    "このプロジェクトはQuenvelで扱える形式ではありません。\r\n"
    "\r\n"
    "(1)プロジェクトのソースコードは(プロジェクト名).javaでないといけません\r\n"
    "(2)パッケージは利用できません。");

// A second project beside the sandbox's own, with a version of its own.
bool addGame(ProjectSandbox &box)
{
    return writeBytes(box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"),
                      *toCodePage(templateSource(QStringLiteral("Game"))))
           && box.store.WriteIniString(QStringLiteral("Game"), QStringLiteral("minor"), QStringLiteral("5"));
}

// What an opening came to, as the menu commands show it: the reason in a
// message box, the text in the editor.
std::optional<ProjectOpening> openAndShow(Services &services, FakeWorkbench &bench, const QString &name)
{
    Result<std::optional<ProjectOpening>> opened = OpenProject(services, name);
    if (!opened) {
        bench.showMessage(opened.error());
        return std::nullopt;
    }
    return *opened;
}

} // namespace

class OpenProjectTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void opensAndMakesTheProjectCurrent_data();
    void opensAndMakesTheProjectCurrent();
    void whatIsNoProject_data();
    void whatIsNoProject();
    void utf8SourceOpensOnlyWhenConverted_data();
    void utf8SourceOpensOnlyWhenConverted();
};

void OpenProjectTest::opensAndMakesTheProjectCurrent_data()
{
    QTest::addColumn<bool>("writable");
    QTest::newRow("settings file takes the name") << true;
    // The opened project governs even so, so a save never lands in Hello.
    QTest::newRow("settings file takes no write") << false;
}

void OpenProjectTest::opensAndMakesTheProjectCurrent()
{
    QFETCH(bool, writable);
    ProjectSandbox box;
    QVERIFY(box.isValid() && addGame(box));
    QLockFile otherCopy(box.store.settingsFilePath() + QStringLiteral(".lock"));
    if (!writable)  // another copy holds the file; it still reads
        QVERIFY(otherCopy.tryLock(0));
    box.bench.log = QStringLiteral("old\r\n");
    Services services = box.services();

    const std::optional<ProjectOpening> opened = openAndShow(services, box.bench, QStringLiteral("Game"));
    QVERIFY(opened);
    QCOMPARE(opened->text, templateSource(QStringLiteral("Game")));
    QCOMPARE(box.store.ReadIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), QString()),
             writable ? QStringLiteral("Game") : QStringLiteral("Hello"));
    // What the actions work on.
    QCOMPARE(opened->project.name, QStringLiteral("Game"));
    QCOMPARE(opened->project.paths.sourceFile(), box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"));
    QCOMPARE(opened->project.minor, 5);
    const QString unrecorded = QStringLiteral("開いたプロジェクトを設定ファイルに記録できませんでした。\r\n") 
                               + QDir::toNativeSeparators(box.store.settingsFilePath())
                               + QStringLiteral(": ほかのQuenvelがこのファイルを使用中のため、書きこめませんでした。\r\n");
    QCOMPARE(box.bench.log, QStringLiteral("old\r\n") + (writable ? QString() : unrecorded)
                                + QStringLiteral("プロジェクト [Game] は読みこまれました\r\n"));
    QVERIFY(box.bench.messages.isEmpty());
}

void OpenProjectTest::whatIsNoProject_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("setUp");  // a path below apps to create: a trailing / makes a folder
    QTest::addColumn<bool>("badName");   // the name itself is refused, with the names allowed

    QTest::newRow("source named otherwise") << QStringLiteral("Other") << QStringLiteral("Other/src/Main.java") << false;
    QTest::newRow("an ordinary file") << QStringLiteral("readme.txt") << QStringLiteral("readme.txt") << true;
    QTest::newRow("a folder where the source must be") << QStringLiteral("Odd") << QStringLiteral("Odd/src/Odd.java/") << false;
    QTest::newRow("missing altogether") << QStringLiteral("Nope") << QString() << false;
    QTest::newRow("outside the SDK") << QStringLiteral("../../outside") << QStringLiteral("../../outside/src/outside.java") << true;
    QTest::newRow("a blank in the name") << QStringLiteral("a b") << QStringLiteral("a b/src/a b.java") << true;
}

void OpenProjectTest::whatIsNoProject()
{
    QFETCH(QString, name);
    QFETCH(QString, setUp);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QString path = box.sdkDir() + QStringLiteral("/apps/") + setUp;
    if (setUp.endsWith(QLatin1Char('/')))
        QVERIFY(QDir().mkpath(path));
    else if (!setUp.isEmpty())
        QVERIFY(touch(path));
    const QByteArray settingsBefore = readBytes(box.store.settingsFilePath());
    Services services = box.services();

    QVERIFY(!openAndShow(services, box.bench, name));
    QFETCH(bool, badName);
    QCOMPARE(box.bench.messages, QStringList{badName ? invalidProjectNameMessage(name) : kNotAProject});
    QCOMPARE(box.bench.log, QString());
    QCOMPARE(box.settings().lastProject, QStringLiteral("Hello"));
    QCOMPARE(readBytes(box.store.settingsFilePath()), settingsBefore);
}

void OpenProjectTest::utf8SourceOpensOnlyWhenConverted_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("shown");   // null: nothing opens
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<bool>("toldConverted");
    const QByteArray utf8Only = "// \xe3\x81\x82\nclass Game {}\n";
    // Valid Windows-31J too, where it reads as garbage.
    const QByteArray highScore = "// \xe3\x83\x8f\xe3\x82\xa4\xe3\x82\xb9\xe3\x82\xb3\xe3\x82\xa2\nclass Game {}\n";
    QTest::newRow("Yes shows it, the save writes Windows-31J")
        << utf8Only << true << QStringLiteral("// \u3042\r\nclass Game {}\r\n") << QByteArray("// \x82\xa0\nclass Game {}\n") << true;
    QTest::newRow("No opens nothing and changes nothing") << utf8Only << false << QString() << QByteArray() << false;
    QTest::newRow("also valid Windows-31J: asked all the same, Yes converts")
        << highScore << true << QStringLiteral("// ハイスコア\r\nclass Game {}\r\n")
        << toCodePage(QStringLiteral("// ハイスコア\nclass Game {}\n")).value() << true;
    QTest::newRow("also valid Windows-31J: No reads it as Windows-31J, as it always did")
        << highScore << false << QStringLiteral("// 繝上う繧ｹ繧ｳ繧｢\r\nclass Game {}\r\n") << highScore << false;
}

void OpenProjectTest::utf8SourceOpensOnlyWhenConverted()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, yes);
    QFETCH(QString, shown);
    ProjectSandbox box;
    QVERIFY(box.isValid() && addGame(box));
    QVERIFY(writeBytes(box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java"), file));
    const QByteArray settingsBefore = readBytes(box.store.settingsFilePath());
    box.bench.yesNoAnswer = yes;
    Services services = box.services();

    const std::optional<ProjectOpening> opened = openAndShow(services, box.bench, QStringLiteral("Game"));
    QCOMPARE(box.bench.questions, QStringList{QStringLiteral("このファイルはUTF-8で書かれています。Shift_JISに変換して開きますか?")});
    QVERIFY(box.bench.messages.isEmpty());
    if (shown.isNull()) {
        QVERIFY(!opened);
        QCOMPARE(box.settings().lastProject, QStringLiteral("Hello"));
        QCOMPARE(readBytes(box.store.settingsFilePath()), settingsBefore);
        QCOMPARE(readBytes(box.sdkDir() + QStringLiteral("/apps/Game/src/Game.java")), file);
        return;
    }
    QVERIFY(opened);
    QCOMPARE(opened->text, shown);
    box.bench.setSourceText(opened->text);
    box.bench.log.clear();
    const QString source = opened->project.paths.sourceFile();
    QCOMPARE(mnuFileSave_Click(services, &opened->project), SaveOutcome::Saved);
    QTEST(readBytes(source), "saved");
    const QString converted = QStringLiteral("UTF-8のファイルをShift_JIS(Windows-31J)に変換して保存しました。\r\n");
    QFETCH(bool, toldConverted);
    QCOMPARE(box.bench.log, source + QStringLiteral("を保存しました。\r\n") + (toldConverted ? converted : QString()));
}

QTEST_GUILESS_MAIN(OpenProjectTest)
#include "tst_open_project.moc"
