#include "project_sandbox.h"
#include "ui/source_text.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

class SourceTextTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void openAndSaveUnchanged_data();
    void openAndSaveUnchanged();
    void savesEditorText_data();
    void savesEditorText();
    void askingBeforeLeaving_data();
    void askingBeforeLeaving();
};

namespace {

const QString kUnreadable = QStringLiteral("に読みこめなかったバイト(U+FFFD)があります。正しい文字に直してから保存してください。");

QString notEncodable(const QString &where, const QString &character, const QString &code)
{
    return where + QStringLiteral("の文字「") + character + QStringLiteral("」(") + code
           + QStringLiteral(")はShift_JIS(Windows-31J)で保存できません。");
}

// Saves the editor text and returns the log. The file must then hold saved;
// null: the save is refused and the file keeps its bytes; empty: nothing to save.
QString saveAndCheck(ProjectSandbox &box, const QByteArray &saved)
{
    const QString path = box.settings().SourcePath;
    const QByteArray before = readBytes(path);
    box.bench.modified = true;
    box.bench.log.clear();
    Services services = box.services();
    const SaveOutcome outcome = SaveSource(services);
    const SaveOutcome expected = saved.isNull()    ? SaveOutcome::Failed
                                 : saved.isEmpty() ? SaveOutcome::NothingToSave
                                                   : SaveOutcome::Saved;
    const QByteArray after = readBytes(path);
    if (outcome != expected || box.bench.modified != (outcome != SaveOutcome::Saved)
        || after != (expected == SaveOutcome::Saved ? saved : before))
        return QStringLiteral("<outcome %1, bytes %2>").arg(int(outcome)).arg(QString::fromLatin1(after.toHex(' ')));
    return box.bench.log;
}

QString expectedLog(const QString &path, const QByteArray &saved, const QString &reason)
{
    if (saved.isNull())
        return path + QStringLiteral("の保存に失敗しました。\r\n") + reason + QStringLiteral("\r\n");
    return saved.isEmpty() ? QString() : path + QStringLiteral("を保存しました。\r\n");
}

} // namespace

void SourceTextTest::openAndSaveUnchanged_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");  // null: the save is refused
    QTest::addColumn<QString>("reason");    // the refusal's second line

    QTest::newRow("CR LF text round-trips") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("Japanese, kana, yen and tilde round-trip")
        << QByteArray("// \x93\xfa\x96\x7b \xb1\x5c\x7e\r\n") << QByteArray("// \x93\xfa\x96\x7b \xb1\x5c\x7e\r\n") << QString();
    QTest::newRow("no line end after the last line") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("LF-only lines get CR LF, no line added") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << QByteArray("\r\n\r\nx\r\n") << QString();
    QTest::newRow("invalid trail byte") << QByteArray("// \x81\x20 ok\r\n") << QByteArray() << "1行4桁目" + kUnreadable;
    QTest::newRow("lone lead byte at the end") << QByteArray("x\r\n// \x81") << QByteArray() << "2行4桁目" + kUnreadable;
    QTest::newRow("0x80") << QByteArray("a\x80\r\n") << QByteArray() << "1行2桁目" + kUnreadable;
    QTest::newRow("0xA0") << QByteArray("a\xa0\r\n") << QByteArray() << "1行2桁目" + kUnreadable;
    QTest::newRow("0xFD") << QByteArray("\xfd\r\n") << QByteArray() << "1行1桁目" + kUnreadable;
    QTest::newRow("0xFE 0xFF") << QByteArray("\xfe\xff\r\n") << QByteArray() << "1行1桁目" + kUnreadable;
    QTest::newRow("UTF-8 comment from another editor")
        << QByteArray("// \xe3\x81\x82\r\n") << QByteArray() << "1行5桁目" + kUnreadable;
}

void SourceTextTest::openAndSaveUnchanged()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    QFETCH(QString, reason);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QString path = box.settings().SourcePath;
    QVERIFY(writeBytes(path, file));
    // Twice: a second save of the same text adds nothing.
    for (int round = 0; round < 2; ++round) {
        box.bench.source = OpenText(box.bench, path);
        QCOMPARE(saveAndCheck(box, saved), expectedLog(path, saved, reason));
    }
    QVERIFY(!box.bench.busy);
}

void SourceTextTest::savesEditorText_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("breakWith");  // "", "noproject", "folder", "nosrc"
    QTest::addColumn<QByteArray>("saved");   // null: refused; empty: nothing written
    QTest::addColumn<QString>("reason");     // the second line of a refusal; "<path>" for the disk's reason

    QTest::newRow("JIS forms typed by input methods save as Windows forms")
        << QStringLiteral("\u301C\u2212\u2016\u00A2\u00A3\u00AC\u2014") << QString()
        << QByteArray("\x81\x60\x81\x7c\x81\x61\x81\x91\x81\x92\x81\xca\x81\x5c\r\n") << QString();
    QTest::newRow("character outside the code page is named")
        << QStringLiteral("x\r\n// caf\u00E9\r\n") << QString() << QByteArray()
        << notEncodable(QStringLiteral("2行7桁目"), QStringLiteral("\u00E9"), QStringLiteral("U+00E9"));
    QTest::newRow("character outside the basic plane")
        << QStringLiteral("\U0001F600") << QString() << QByteArray()
        << notEncodable(QStringLiteral("1行1桁目"), QStringLiteral("\U0001F600"), QStringLiteral("U+1F600"));
    QTest::newRow("soft line break") << QStringLiteral("a\u2028b") << QString() << QByteArray()
                                     << notEncodable(QStringLiteral("1行2桁目"), QStringLiteral("\u2028"), QStringLiteral("U+2028"));
    QTest::newRow("folder where the source must be") << QStringLiteral("x\r\n") << "folder" << QByteArray() << "<path>";
    QTest::newRow("src folder gone") << QStringLiteral("x\r\n") << "nosrc" << QByteArray() << "<path>";
    QTest::newRow("empty editor writes nothing") << QString() << QString() << QByteArray("") << QString();
    QTest::newRow("no project opened yet") << QStringLiteral("x\r\n") << "noproject" << QByteArray("") << QString();
}

void SourceTextTest::savesEditorText()
{
    QFETCH(QString, editor);
    QFETCH(QString, breakWith);
    QFETCH(QByteArray, saved);
    QFETCH(QString, reason);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const QString path = box.settings().SourcePath;
    if (breakWith == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else if (breakWith == QLatin1String("nosrc")) {
        QVERIFY(QDir(box.inProject(QStringLiteral("src"))).removeRecursively());
    }
    box.bench.windowFlags.ProjectLoaded = breakWith != QLatin1String("noproject");
    box.bench.source = editor;
    const QString log = saveAndCheck(box, saved);
    // The disk's own words follow the native path.
    if (reason == QLatin1String("<path>")) {
        reason = log.section(QStringLiteral("\r\n"), 1, 1);
        QVERIFY2(reason.startsWith(QDir::toNativeSeparators(path)), qPrintable(log));
    }
    QCOMPARE(log, expectedLog(path, saved, reason));
    QVERIFY(box.bench.messages.isEmpty());
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
    ProjectSandbox box;
    QVERIFY(box.isValid());
    if (breakSave)
        QVERIFY(QDir(box.inProject(QStringLiteral("src"))).removeRecursively());
    box.bench.modified = modified;
    box.bench.windowFlags.ProjectLoaded = loaded;
    box.bench.source = editor;
    box.bench.saveAnswer = Workbench::SaveAnswer(answer);

    Services services = box.services();
    const bool left = MaySourceBeLeft(services);
    QTEST(left, "mayLeave");
    QTEST(box.bench.saveQuestions, "questions");
    // Only a save that worked writes the editor text.
    QCOMPARE(readBytes(box.settings().SourcePath) == editor.toLatin1(), left && answer == int(Workbench::SaveAnswer::Save));
}

QTEST_GUILESS_MAIN(SourceTextTest)
#include "tst_source_text.moc"
