// The keys that indent: Tab and Shift+Tab in steps of four columns, Enter
// keeping the indent of the line above.
#include "ui/code_editor.h"

#include <QKeyEvent>
#include <QTextBlock>

namespace {

// Columns as the editor shows them: a tab reaches the next indent step.
int columnsOf(QStringView text)
{
    int columns = 0;
    for (const QChar c : text)
        columns = c == QLatin1Char('\t') ? (columns / CodeEditor::kIndentStep + 1) * CodeEditor::kIndentStep : columns + 1;
    return columns;
}

// The whole lines a selection touches; a selection that ends at the start
// of a line leaves that line out.
std::pair<QTextBlock, QTextBlock> selectedLines(const QTextCursor &cursor)
{
    const QTextDocument *document = cursor.document();
    const QTextBlock first = document->findBlock(cursor.selectionStart());
    QTextBlock last = document->findBlock(cursor.selectionEnd());
    if (last != first && cursor.selectionEnd() == last.position())
        last = last.previous();
    return {first, last};
}

} // namespace

QString CodeEditor::leadingBlanks(const QString &line)
{
    qsizetype end = 0;
    while (end < line.size() && (line[end] == QLatin1Char(' ') || line[end] == QLatin1Char('\t')))
        ++end;
    return line.left(end);
}

void CodeEditor::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!isReadOnly() && modifiers == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            insertNewLine();
            return;
        }
        if (event->key() == Qt::Key_Tab) {
            insertTab();
            return;
        }
    }
    if (!isReadOnly() && event->key() == Qt::Key_Backtab) {
        indentLines(-1);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

// The new line starts with the blanks that the line above starts with.
void CodeEditor::insertNewLine()
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    const QString before = cursor.block().text().left(cursor.positionInBlock());
    cursor.insertText(QLatin1Char('\n') + leadingBlanks(before));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void CodeEditor::insertTab()
{
    QTextCursor cursor = textCursor();
    const auto [first, last] = selectedLines(cursor);
    if (cursor.hasSelection() && first != last) {
        indentLines(1);
        return;
    }
    const QTextBlock block = cursor.block();
    const int column = columnsOf(QStringView(block.text()).left(cursor.selectionStart() - block.position()));
    cursor.insertText(QString(kIndentStep - column % kIndentStep, QLatin1Char(' ')));
    setTextCursor(cursor);
}

// Moves each line's indent to the next (or previous) multiple of four
// columns, in one undo step; the lines stay selected for the next step.
void CodeEditor::indentLines(int steps)
{
    const auto [first, last] = selectedLines(textCursor());
    const bool keepSelection = textCursor().hasSelection();
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (QTextBlock block = first;; block = block.next()) {
        const QString text = block.text();
        const QString blanks = leadingBlanks(text);
        const int columns = columnsOf(blanks);
        const int wanted = steps > 0 ? (columns / kIndentStep + 1) * kIndentStep
                                     : qMax(0, (columns - 1) / kIndentStep * kIndentStep);
        // Blank lines get no indent of their own.
        const QString indent(wanted, QLatin1Char(' '));
        if (blanks != indent && (blanks.size() != text.size() || steps < 0)) {
            edit.setPosition(block.position());
            edit.setPosition(block.position() + int(blanks.size()), QTextCursor::KeepAnchor);
            edit.insertText(indent);
        }
        if (block == last)
            break;
    }
    edit.endEditBlock();
    if (keepSelection) {
        QTextCursor selection(document());
        selection.setPosition(first.position());
        selection.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        setTextCursor(selection);
    }
}
