#include "app/code_page.h"
#include "project/new_project.h"
#include "project/project_name.h"
#include "project_sandbox.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kExists = QStringLiteral("すでにプロジェクトは生成されています。");
const QString kFailed = QStringLiteral(
    "プロジェクトの新規作成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。");

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class NewProjectTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void templateIsFiveLines();
    void createsTheLayout_data();
    void createsTheLayout();
    void refusedNamesMakeNothing_data();
    void refusedNamesMakeNothing();
    void namesAreJavaIdentifiersInTheCodePage_data();
    void namesAreJavaIdentifiersInTheCodePage();
    void missingAppsFolderFails();
};

void NewProjectTest::templateIsFiveLines()
{
    QCOMPARE(templateSourceText(QStringLiteral("Hello")),
             QStringLiteral("import com.nttdocomo.ui.*;\r\n"
                            "public class Hello extends IApplication {\r\n"
                            "    public void start() {\r\n"
                            "    }\r\n"
                            "}\r\n"));
}

void NewProjectTest::createsTheLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("Game");
    QTest::newRow("Japanese") << QStringLiteral("テスト");
}

void NewProjectTest::createsTheLayout()
{
    QFETCH(QString, name);
    ProjectSandbox box;
    QVERIFY(box.isValid());

    const NewProjectOutcome outcome = CreateNewProject(box.settings(), box.store.style(), name);

    const QString folder = box.sdkDir() + QStringLiteral("/apps/") + name;
    QCOMPARE(outcome.name, name);
    QCOMPARE(outcome.message, QStringLiteral("プロジェクト [%1] を生成しました。\r\n"
                                             "Javaソースコードの場所は %2/src です。\r\n"
                                             "リソースファイルの場所は %2/res です。")
                                  .arg(name, folder));
    QCOMPARE(entriesOf(folder), (QStringList{QStringLiteral("bin"), QStringLiteral("res"), QStringLiteral("src")}));
    QCOMPARE(entriesOf(folder + QStringLiteral("/bin")), QStringList());
    QCOMPARE(readBytes(folder + QStringLiteral("/src/") + name + QStringLiteral(".java")),
             *toCodePage(templateSourceText(name)));
}

void NewProjectTest::refusedNamesMakeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    QTest::newRow("existing project") << QStringLiteral("Hello") << kExists;
    QTest::newRow("empty name") << QString() << kFailed;
    QTest::newRow("outside by a relative path") << QStringLiteral("../evil") << kFailed;
    QTest::newRow("line break") << QStringLiteral("A\r\n[Global]") << kFailed;
}

void NewProjectTest::namesAreJavaIdentifiersInTheCodePage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << QStringLiteral("Hello") << true;
    QTest::newRow("Japanese") << QStringLiteral("テスト") << true;
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
    QTest::newRow("empty") << QString() << false;
}

void NewProjectTest::namesAreJavaIdentifiersInTheCodePage()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isValidProjectName(name), valid);
}

void NewProjectTest::refusedNamesMakeNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QStringList appsBefore = entriesOf(box.sdkDir() + QStringLiteral("/apps"));
    const QStringList sdkBefore = entriesOf(box.sdkDir());
    const QByteArray helloBefore = readBytes(box.inProject(QStringLiteral("src/Hello.java")));

    const NewProjectOutcome outcome = CreateNewProject(box.settings(), box.store.style(), name);

    QCOMPARE(outcome.name, QString());
    QCOMPARE(outcome.message, message);
    QCOMPARE(entriesOf(box.sdkDir() + QStringLiteral("/apps")), appsBefore);
    QCOMPARE(entriesOf(box.sdkDir()), sdkBefore);
    QCOMPARE(readBytes(box.inProject(QStringLiteral("src/Hello.java"))), helloBefore);
}

void NewProjectTest::missingAppsFolderFails()
{
    ProjectSandbox::Options options;
    options.createSdk = false;
    ProjectSandbox box(options);
    QVERIFY(box.isValid());
    QVERIFY(QDir().mkpath(box.sdkDir()));
    // A file where the apps folder must be.
    QFile file(box.sdkDir() + QStringLiteral("/apps"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const NewProjectOutcome outcome = CreateNewProject(box.settings(), box.store.style(), QStringLiteral("Game"));
    QCOMPARE(outcome.name, QString());
    QCOMPARE(outcome.message, kFailed);
    QVERIFY(QFileInfo(box.sdkDir() + QStringLiteral("/apps")).isFile());
}

QTEST_GUILESS_MAIN(NewProjectTest)
#include "tst_new_project.moc"
