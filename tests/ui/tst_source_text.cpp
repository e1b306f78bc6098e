#include "app/code_page.h"
#include "project_sandbox.h"
#include "ui/source_text.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class SourceTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void readsEveryLineWithCrLf_data();
    void readsEveryLineWithCrLf();
    void unreadableGivesEmpty();
    void saves_data();
    void saves();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void openSaveOpenIsStable();
    void askingBeforeLeaving_data();
    void askingBeforeLeaving();
};

void SourceTextTest::readsEveryLineWithCrLf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("no line end after the last line") << QByteArray("a\r\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("crlf kept") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lone cr ends a line") << QByteArray("a\rb\r") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lf only is one line") << QByteArray("a\nb\n") << QStringLiteral("a\nb\n\r\n");
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << QStringLiteral("\r\n\r\nx\r\n");
    QTest::newRow("code page") << QByteArray("// \x93\xfa\x96\x7b\r\n") << QStringLiteral("// 日本\r\n");
}

void SourceTextTest::readsEveryLineWithCrLf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("A.java"));
    QVERIFY(writeBytes(path, bytes));
    FakeWorkbench bench;
    QCOMPARE(OpenText(bench, path), text);
    QCOMPARE(bench.busyCount, 1);
    QVERIFY(!bench.busy);
    QCOMPARE(bench.log, QString());
}

void SourceTextTest::unreadableGivesEmpty()
{
    QTemporaryDir dir;
    FakeWorkbench bench;
    QCOMPARE(OpenText(bench, dir.filePath(QStringLiteral("missing.java"))), QString());
    QCOMPARE(OpenText(bench, dir.path()), QString());
    QVERIFY(!bench.busy);
    QCOMPARE(bench.log, QString());
}

void SourceTextTest::saves_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QByteArray>("file");  // null: the template stays
    QTest::addColumn<bool>("logged");

    QTest::newRow("ends with crlf: written as is")
        << QStringLiteral("a\r\nb\r\n") << true << QByteArray("a\r\nb\r\n") << true;
    QTest::newRow("no crlf at the end: one added")
        << QStringLiteral("a\r\nb") << true << QByteArray("a\r\nb\r\n") << true;
    QTest::newRow("japanese in the code page")
        << QStringLiteral("// 日本\r\n") << true << QByteArray("// \x93\xfa\x96\x7b\r\n") << true;
    QTest::newRow("empty editor writes nothing") << QString() << true << QByteArray() << false;
    QTest::newRow("no project opened yet") << QStringLiteral("x\r\n") << false << QByteArray() << false;
}

void SourceTextTest::saves()
{
    QFETCH(QString, editor);
    QFETCH(bool, loaded);
    QFETCH(QByteArray, file);
    QFETCH(bool, logged);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags.ProjectLoaded = loaded;
    box.bench.source = editor;
    box.bench.modified = true;
    const QString path = box.settings().SourcePath;
    const QByteArray before = readBytes(path);

    Services services = box.services();
    mnuFileSave_Click(services);

    QCOMPARE(readBytes(path), file.isNull() ? before : file);
    QCOMPARE(box.bench.log, logged ? path + QStringLiteral("を保存しました。\r\n") : QString());
    QCOMPARE(box.bench.modified, !logged);
    QVERIFY(!box.bench.busy);
}

void SourceTextTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("breakWith");

    QTest::newRow("character outside the code page") << QStringLiteral("// \u20AC \U0001F600\r\n") << QString();
    QTest::newRow("unreadable byte from the file") << QStringLiteral("// \uFFFD\r\n") << QString();
    QTest::newRow("folder where the source must be") << QStringLiteral("x\r\n") << QStringLiteral("folder");
    QTest::newRow("src folder gone") << QStringLiteral("x\r\n") << QStringLiteral("nosrc");
}

void SourceTextTest::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, editor);
    QFETCH(QString, breakWith);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QString path = box.settings().SourcePath;
    if (breakWith == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else if (breakWith == QLatin1String("nosrc")) {
        QVERIFY(QDir(box.inProject(QStringLiteral("src"))).removeRecursively());
    }
    const QByteArray before = readBytes(path);
    box.bench.source = editor;
    box.bench.modified = true;

    Services services = box.services();
    SaveSource(services);

    QCOMPARE(box.bench.log, path + QStringLiteral("の保存に失敗しました。\r\n"));
    QCOMPARE(readBytes(path), before);
    QVERIFY(box.bench.modified);
    QVERIFY(!box.bench.busy);
    QVERIFY(box.bench.messages.isEmpty());
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(), breakWith.isEmpty() ? 1 : 0);
}

void SourceTextTest::openSaveOpenIsStable()
{
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QString path = box.settings().SourcePath;
    QVERIFY(writeBytes(path, "a\r\nb"));
    Services services = box.services();
    for (int round = 0; round < 3; ++round) {
        box.bench.source = OpenText(box.bench, path);
        SaveSource(services);
        QCOMPARE(readBytes(path), QByteArray("a\r\nb\r\n"));
    }
}

void SourceTextTest::askingBeforeLeaving_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("breakSave");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("mayLeave");

    using A = Workbench::SaveAnswer;
    const QString text = QStringLiteral("x\r\n");
    QTest::newRow("unchanged") << false << true << text << int(A::Cancel) << false << 0 << true;
    QTest::newRow("no project: nothing could be saved") << true << false << text << int(A::Cancel) << false << 0 << true;
    QTest::newRow("emptied editor") << true << true << QString() << int(A::Cancel) << false << 0 << true;
    QTest::newRow("yes") << true << true << text << int(A::Save) << false << 1 << true;
    QTest::newRow("yes but the save fails") << true << true << text << int(A::Save) << true << 1 << false;
    QTest::newRow("no") << true << true << text << int(A::Discard) << false << 1 << true;
    QTest::newRow("cancel") << true << true << text << int(A::Cancel) << false << 1 << false;
}

void SourceTextTest::askingBeforeLeaving()
{
    QFETCH(bool, modified);
    QFETCH(bool, loaded);
    QFETCH(QString, editor);
    QFETCH(int, answer);
    QFETCH(bool, breakSave);
    QFETCH(int, questions);
    QFETCH(bool, mayLeave);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    if (breakSave)
        QVERIFY(QDir(box.inProject(QStringLiteral("src"))).removeRecursively());
    box.bench.modified = modified;
    box.bench.windowFlags.ProjectLoaded = loaded;
    box.bench.source = editor;
    box.bench.saveAnswer = Workbench::SaveAnswer(answer);

    Services services = box.services();
    QCOMPARE(MaySourceBeLeft(services), mayLeave);
    QCOMPARE(box.bench.saveQuestions, questions);
    const bool saved = answer == int(Workbench::SaveAnswer::Save) && questions == 1 && !breakSave;
    QCOMPARE(readBytes(box.settings().SourcePath) == editor.toLatin1(), saved);
}

QTEST_GUILESS_MAIN(SourceTextTest)
#include "tst_source_text.moc"
