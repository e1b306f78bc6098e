#include "app/code_page.h"
#include "project/new_project.h"
#include "project/project_messages.h"
#include "project/project_name.h"
#include "project_sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QStandardPaths>
#include <QTest>

namespace {

// Every entry below the folder, with the bytes of each file.
QStringList treeOf(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries << path.mid(folder.size()) + QLatin1Char(' ') + QString::fromLatin1(readBytes(path).toHex());
    }
    entries.sort();
    return entries;
}

} // namespace

class NewProjectTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void creates_data();
    void creates();
    void namesAreJavaIdentifiersInTheCodePage_data();
    void namesAreJavaIdentifiersInTheCodePage();
};

void NewProjectTest::creates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");  // empty: the project is made
    QTest::newRow("plain") << QStringLiteral("Game") << QString();
    QTest::newRow("Japanese") << QStringLiteral("テスト") << QString();
    QTest::newRow("existing project") << QStringLiteral("Hello") << QStringLiteral("すでにプロジェクトは生成されています。");
    // A refused name says which names are allowed, not that the disk may be full.
    QTest::newRow("empty name") << QString() << invalidProjectNameMessage(QString());
#ifdef Q_OS_WIN
    // Made, the folder would be the device; the disk would be blamed.
    QTest::newRow("device name says why") << QStringLiteral("Aux")
                                          << QStringLiteral("プロジェクト名「Aux」は使えません。\r\n"
                                                            "CON、PRN、AUX、NUL、COM1～COM9、LPT1～LPT9は(大文字・小文字を問わず)"
                                                            "Windowsが装置に付けている名前のため、フォルダやファイルの名前にできません。");
#endif
    QTest::newRow("outside by a relative path") << QStringLiteral("../evil") << invalidProjectNameMessage("../evil");
    QTest::newRow("line break") << QStringLiteral("A\r\n[Global]") << invalidProjectNameMessage("A\r\n[Global]");
    QTest::newRow("a file where the apps folder must be") << QStringLiteral("<no apps>") << "<no apps>";
}

void NewProjectTest::creates()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    if (name == QLatin1String("<no apps>")) {
        QVERIFY(QDir(box.sdkDir()).removeRecursively() && touch(box.sdkDir() + QStringLiteral("/apps")));
        name = QStringLiteral("Game");
        message = missingAppsFolderMessage(box.sdkDir() + QStringLiteral("/apps"));
    }
    const QStringList before = treeOf(box.sdkDir());

    const Result<ProjectPaths> made = makeNewProject(box.settings().DOJA_PATH, box.store.style(), name);

    if (!message.isEmpty()) {
        QVERIFY(!made);
        QCOMPARE(made.error(), message);
        QCOMPARE(treeOf(box.sdkDir()), before);
        return;
    }
    const QString folder = box.sdkDir() + QStringLiteral("/apps/") + name;
    QVERIFY(made);
    QCOMPARE(made->name(), name);
    QCOMPARE(projectCreatedMessage(*made), QStringLiteral("プロジェクト [%1] を生成しました。\r\n"
                                             "Javaソースコードの場所は %2/src です。\r\n"
                                             "リソースファイルの場所は %2/res です。")
                                  .arg(name, folder));
    const QString source = QStringLiteral(" ") + QString::fromLatin1(toCodePage(templateSource(name))->toHex());
    QCOMPARE(treeOf(folder), (QStringList{"/bin ", "/res ", "/src ", "/src/" + name + ".java" + source}));
}

void NewProjectTest::namesAreJavaIdentifiersInTheCodePage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("underscore, dollar and digits") << QStringLiteral("_a$1") << true;
    QTest::newRow("blank") << QStringLiteral("my app") << false;
    QTest::newRow("double quote") << QStringLiteral("a\"b") << false;
    QTest::newRow("bracket") << QStringLiteral("a]b") << false;
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("slash") << QStringLiteral("a/b") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("keyword") << QStringLiteral("class") << false;
    QTest::newRow("literal") << QStringLiteral("null") << false;
    QTest::newRow("leading digit") << QStringLiteral("1st") << false;
    QTest::newRow("letter outside the code page") << QStringLiteral("Caf\u00E9") << false;
#ifdef Q_OS_WIN
    const bool deviceNamesFit = false;
#else
    const bool deviceNamesFit = true;
#endif
    QTest::newRow("device name, mixed case") << QStringLiteral("Aux") << deviceNamesFit;
    QTest::newRow("device name, lower case") << QStringLiteral("con") << deviceNamesFit;
    QTest::newRow("device name with digit") << QStringLiteral("COM9") << deviceNamesFit;
    QTest::newRow("printer port") << QStringLiteral("lpt1") << deviceNamesFit;
    QTest::newRow("device-like: COM0 is no device") << QStringLiteral("COM0") << true;
    QTest::newRow("device-like: COM10 is no device") << QStringLiteral("COM10") << true;
    QTest::newRow("device-like: longer name") << QStringLiteral("Console") << true;
}

void NewProjectTest::namesAreJavaIdentifiersInTheCodePage()
{
    QFETCH(QString, name);
    QTEST(isValidProjectName(name), "valid");
}

QTEST_GUILESS_MAIN(NewProjectTest)
#include "tst_new_project.moc"
