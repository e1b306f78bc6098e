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

    void savesTheSource_data();
    void savesTheSource();
};

namespace {

const QString kUnreadable = QStringLiteral("に読みこめなかったバイト(U+FFFD)があります。正しい文字に直してから保存してください。");

QString notEncodable(const QString &where, const QString &character, const QString &code)
{
    return where + QStringLiteral("の文字「") + character + QStringLiteral("」(") + code
           + QStringLiteral(")はShift_JIS(Windows-31J)で保存できません。");
}

// Saves the editor text as File > Save does and returns the log. The file
// must then hold saved; null: the save is refused and the file keeps its
// bytes; empty: nothing to save.
QString saveAndCheck(ProjectSandbox &box, const OpenedProject *project, const QByteArray &saved)
{
    const QString path = box.project().paths.sourceFile();
    const QByteArray before = readBytes(path);
    box.bench.modified = true;
    box.bench.log.clear();
    Services services = box.services();
    const SaveOutcome outcome = mnuFileSave_Click(services, project);
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

void SourceTextTest::savesTheSource_data()
{
    QTest::addColumn<QByteArray>("file");     // opened into the editor; null: the editor holds "editor"
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("breakWith");  // "", "noproject", "folder", "nosrc"
    QTest::addColumn<QByteArray>("saved");   // null: refused; empty: nothing written
    QTest::addColumn<QString>("reason");     // the second line of a refusal; "<path>" for the disk's reason
    QTest::addColumn<QStringList>("edit");   // in the opened text, replace the first by the second
    const auto opened = [](const char *name, const QByteArray &file, const QByteArray &saved, const QString &reason,
                           const QStringList &edit = {}) {
        QTest::newRow(name) << file << QString() << QString() << saved << reason << edit;
    };

    // Read and saved with no edit, a file keeps its bytes.
    for (const char *bytes : {"a\r\nb\r\n", "// \x93\xfa\x96\x7b \xb1\x5c\x7e\r\n", "a\nb\rc", "a\nb\n", "a\r\nb\nc\rd\r\n",
                              "\x87\x90 \xfa\x58 \xed\x40\r\n", "a\x80\xa0\xfd\xfe\xff\r\n"})
        opened(qPrintable(QStringLiteral("unchanged: %1").arg(QString::fromLatin1(QByteArray(bytes).toHex(' ')))), bytes, bytes, {});
    // Edited, the untouched lines keep their bytes and the file its line ends.
    opened("LF file stays LF", "a\nb\nc\n", "a\nB\nc\n", {}, {"b", "B"});
    opened("two-code characters in untouched lines", "\x87\x90\r\nb\r\n\xfa\x58\r\n", "\x87\x90\r\nB\r\n\xfa\x58\r\n", {}, {"b", "B"});
    opened("no final line end stays so", "a\nb", "A\nb", {}, {"a", "A"});
    opened("a line added after an unended last line", "a", "a\r\nz", {}, {"a", "a\r\nz"});
    opened("mixed ends: untouched lines keep theirs, new ones take the usual", "a\nb\r\nc\n", "a\nB\nx\nc\n", {},
           {"b", "B\r\nx"});
    opened("bytes only Windows knows survive an edit of their line", "a\xa0" "b\r\n", "a\xa0" "c\r\n", {}, {"b", "c"});
    opened("invalid trail byte", "// \x81\x20 ok\r\n", QByteArray(), "1行4桁目" + kUnreadable);
    opened("lone lead byte at the end", "x\r\n// \x81", QByteArray(), "2行4桁目" + kUnreadable);

    const QByteArray none;
    QTest::newRow("JIS forms typed by input methods save as Windows forms")
        << none << QStringLiteral("\u301C\u2212\u2016\u00A2\u00A3\u00AC\u2014") << QString()
        << QByteArray("\x81\x60\x81\x7c\x81\x61\x81\x91\x81\x92\x81\xca\x81\x5c\r\n") << QString() << QStringList();
    QTest::newRow("character outside the code page is named")
        << none << QStringLiteral("x\r\n// caf\u00E9\r\n") << QString() << none
        << notEncodable(QStringLiteral("2行7桁目"), QStringLiteral("\u00E9"), QStringLiteral("U+00E9")) << QStringList();
    QTest::newRow("character outside the basic plane")
        << none << QStringLiteral("\U0001F600") << QString() << none
        << notEncodable(QStringLiteral("1行1桁目"), QStringLiteral("\U0001F600"), QStringLiteral("U+1F600")) << QStringList();
    QTest::newRow("folder where the source must be") << none << QStringLiteral("x\r\n") << "folder" << none << "<path>" << QStringList();
    QTest::newRow("src folder gone") << none << QStringLiteral("x\r\n") << "nosrc" << none << "<path>" << QStringList();
    QTest::newRow("empty editor writes nothing") << none << QString() << QString() << QByteArray("") << QString() << QStringList();
    QTest::newRow("no project opened yet") << none << QStringLiteral("x\r\n") << "noproject" << QByteArray("") << QString() << QStringList();
}

void SourceTextTest::savesTheSource()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, editor);
    QFETCH(QString, breakWith);
    QFETCH(QByteArray, saved);
    QFETCH(QString, reason);
    QFETCH(QStringList, edit);
    ProjectSandbox box;
    QVERIFY(box.isValid());
    const OpenedProject opened = box.project();
    const QString path = opened.paths.sourceFile();
    if (!file.isNull())
        QVERIFY(writeBytes(path, file));
    if (breakWith == QLatin1String("folder")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    } else if (breakWith == QLatin1String("nosrc")) {
        QVERIFY(QDir(box.inProject(QStringLiteral("src"))).removeRecursively());
    }
    const OpenedProject *project = breakWith == QLatin1String("noproject") ? nullptr : &opened;
    box.bench.source = file.isNull() ? editor : OpenText(box.bench, path).value().value();
    if (!edit.isEmpty())
        box.bench.source.replace(edit[0], edit[1]);
    // Twice: a second save of the same text adds nothing.
    for (int round = 0; round < 2; ++round) {
        const QString log = saveAndCheck(box, project, saved);
        // The disk's own words follow the native path.
        if (reason == QLatin1String("<path>")) {
            reason = log.section(QStringLiteral("\r\n"), 1, 1);
            QVERIFY2(reason.startsWith(QDir::toNativeSeparators(path)), qPrintable(log));
        }
        QCOMPARE(log, expectedLog(path, saved, reason));
    }
    // Leaving asks only when Save could write, and Yes leaves only when it did.
    box.bench.modified = true;
    box.bench.saveAnswer = Asker::SaveAnswer::Save;
    Services services = box.services();
    QCOMPARE(maySourceBeLeft(services, project), !saved.isNull());
    QCOMPARE(box.bench.saveQuestions, saved.isNull() || !saved.isEmpty() ? 1 : 0);
    QVERIFY(box.bench.messages.isEmpty());
}

QTEST_GUILESS_MAIN(SourceTextTest)
#include "tst_source_text.moc"
