#include "ui/code_editor.h"
#include "ui/find_bar.h"
#include "ui/java_highlighter.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

using Category = JavaHighlighter::Category;

// The coloured stretches of each line: "line:start+length category".
QStringList colouredRanges(const CodeEditor &editor)
{
    const QStringList names = {"keyword", "literal", "string", "comment"};  // in the order of Category
    QStringList ranges;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            for (int i = 0; i < names.size(); ++i) {
                if (range.format == editor.highlighter()->categoryFormat(Category(i)))
                    ranges << QStringLiteral("%1:%2+%3 %4").arg(block.blockNumber() + 1).arg(range.start).arg(range.length).arg(names[i]);
            }
        }
    }
    return ranges;
}

} // namespace

class CodeEditorTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void colours_data();
    void colours();
    void longSourceIsColouredInSlices();
    void indents_data();
    void indents();
    void replaceAllIsOneUndoStep();
};

void CodeEditorTest::colours_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("ranges");
    QTest::newRow("keywords, not the names that hold them")
        << "public int interfaceCount;" << QStringList{"1:0+6 keyword", "1:7+3 keyword"};
    QTest::newRow("numbers and the three literal words")
        << "x = 0x1F + 2.5e-3f + 10L; y = true; z = null;"
        << QStringList{"1:4+4 literal", "1:11+7 literal", "1:21+3 literal", "1:30+4 literal", "1:40+4 literal"};
    QTest::newRow("escaped quotes stay inside; no comment in a string")
        << "s = \"a\\\"b//c\"; c = '\\''; // if" << QStringList{"1:4+9 string", "1:19+4 string", "1:25+5 comment"};
    QTest::newRow("block comment over lines, code after its end")
        << "int a; /* if\nwhile \"\n*/ return" << QStringList{"1:0+3 keyword", "1:7+5 comment", "2:0+7 comment",
                                                              "3:0+2 comment", "3:3+6 keyword"};
    QTest::newRow("Java 1.3 has no assert or enum") << "assert enum goto" << QStringList{"1:12+4 keyword"};
}

void CodeEditorTest::colours()
{
    QFETCH(QString, source);
    QFETCH(QStringList, ranges);
    CodeEditor editor;
    editor.setHighlighting(true);
    editor.setPlainText(source);
    QCOMPARE(colouredRanges(editor), ranges);
}

void CodeEditorTest::longSourceIsColouredInSlices()
{
    CodeEditor editor;
    editor.setHighlighting(true);
    QStringList lines(3000, QStringLiteral("int x;"));
    lines[1] = QStringLiteral("/* a comment");
    lines[2500] = QStringLiteral("*/ int y;");
    editor.loadText(lines.join(QLatin1Char('\n')));
    QVERIFY(!editor.isColouringDone());
    QTRY_VERIFY(editor.isColouringDone());
    const QStringList ranges = colouredRanges(editor);
    for (const char *range : {"2401:0+6 comment", "2501:0+2 comment", "2501:3+3 keyword", "3000:0+3 keyword"})
        QVERIFY2(ranges.contains(QLatin1String(range)), range);
}

void CodeEditorTest::indents_data()
{
    // "|" is the cursor; "[" and "]" the selection.
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("Tab reaches the next multiple of four") << "ab|c" << int(Qt::Key_Tab) << "ab  |c";
    QTest::newRow("Tab over lines indents each, blank ones left")
        << "[a\n\n  b\n]c" << int(Qt::Key_Tab) << "[    a\n\n    b]\nc";
    QTest::newRow("Shift+Tab takes a step back, tab included") << "\t  |x\n" << int(Qt::Key_Backtab) << "    |x\n";
    QTest::newRow("Enter keeps the indent above") << "    if (a) {|" << int(Qt::Key_Return) << "    if (a) {\n    |";
}

void CodeEditorTest::indents()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, after);
    CodeEditor editor;
    QString text = before;
    const qsizetype anchor = text.indexOf(QLatin1Char('['));
    text.remove(QLatin1Char('['));
    const qsizetype position = qMax(text.indexOf(QLatin1Char('|')), text.indexOf(QLatin1Char(']')));
    editor.setPlainText(text.remove(QLatin1Char('|')).remove(QLatin1Char(']')));
    QTextCursor cursor(editor.document());
    cursor.setPosition(int(anchor >= 0 ? anchor : position));
    cursor.setPosition(int(position), QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);

    QTest::keyClick(&editor, Qt::Key(key), key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);

    const QTextCursor now = editor.textCursor();
    QString shown = editor.toPlainText().insert(now.selectionEnd(), QLatin1Char(now.hasSelection() ? ']' : '|'));
    if (now.hasSelection())
        shown.insert(now.selectionStart(), QLatin1Char('['));
    QCOMPARE(shown, after);
}

void CodeEditorTest::replaceAllIsOneUndoStep()
{
    CodeEditor editor;
    FindBar bar(&editor);
    const QString source = QStringLiteral("int Count = count;\ncount++;");
    editor.setPlainText(source);
    bar.openReplace();
    bar.findField()->setText(QStringLiteral("count"));
    bar.replaceField()->setText(QStringLiteral("n"));
    bar.caseToggle()->setChecked(true);
    QCOMPARE(bar.replaceAll(), 2);
    QCOMPARE(editor.toPlainText(), QStringLiteral("int Count = n;\nn++;"));

    editor.undo();
    QCOMPARE(editor.toPlainText(), source);

    bar.caseToggle()->setChecked(false);
    editor.moveCursor(QTextCursor::Start);
    QTest::keyClick(bar.findField(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(editor.textCursor().selectionStart(), source.indexOf(QLatin1String("count++")));
    bar.replace();
    QCOMPARE(editor.toPlainText(), QStringLiteral("int Count = count;\nn++;"));
    QCOMPARE(editor.textCursor().selectionStart(), 4);
}

QTEST_MAIN(CodeEditorTest)
#include "tst_code_editor.moc"
