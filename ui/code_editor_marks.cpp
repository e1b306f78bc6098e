// The marks on lines (a compile error's place and message) and going to
// them and to a line.
#include "ui/code_editor.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

void CodeEditor::setLineMarks(const QList<LineMark> &marks)
{
    m_marks.clear();
    m_currentMark = -1;
    for (const LineMark &given : marks) {
        const QTextBlock block = document()->findBlockByNumber(given.line - 1);
        Mark mark;
        mark.inPlace = block.isValid();
        mark.lineStart = QTextCursor(block.isValid() ? block : document()->firstBlock());
        mark.column = given.column;
        mark.message = given.message;
        mark.lineText = block.text();
        m_marks << mark;
    }
    updateExtraSelections();
    m_gutter->update();
    Q_EMIT lineMarksChanged();
}

void CodeEditor::clearLineMarks()
{
    setLineMarks({});
}

int CodeEditor::lineMarkCount() const
{
    return int(std::count_if(m_marks.cbegin(), m_marks.cend(), [](const Mark &mark) { return mark.inPlace; }));
}

void CodeEditor::dropEditedMarks()
{
    bool dropped = false;
    for (Mark &mark : m_marks) {
        if (mark.inPlace && mark.lineStart.block().text() != mark.lineText) {
            mark.inPlace = false;
            dropped = true;
        }
    }
    if (dropped) {
        updateExtraSelections();
        m_gutter->update();
        Q_EMIT lineMarksChanged();
    }
}

int CodeEditor::markPosition(const Mark &mark) const
{
    const QTextBlock block = mark.lineStart.block();
    const int column = mark.column > 0 ? mark.column - 1 : int(leadingBlanks(block.text()).size());
    return block.position() + qMin(column, block.length() - 1);
}

bool CodeEditor::hasMarkOnLine(int line) const
{
    return std::any_of(m_marks.cbegin(), m_marks.cend(), [line](const Mark &mark) {
        return mark.inPlace && mark.lineStart.blockNumber() + 1 == line;
    });
}

QString CodeEditor::lineMarkMessage(int line) const
{
    QStringList messages;
    for (const Mark &mark : m_marks) {
        if (mark.inPlace && mark.lineStart.blockNumber() + 1 == line)
            messages << mark.message;
    }
    return messages.join(QLatin1Char('\n'));
}

bool CodeEditor::goToLineMark(int index)
{
    if (index < 0 || index >= m_marks.size() || !m_marks[index].inPlace)
        return false;
    showMark(index);
    return true;
}

bool CodeEditor::goToNextLineMark(bool forward)
{
    QList<int> order;
    for (int i = 0; i < m_marks.size(); ++i) {
        if (m_marks[i].inPlace)
            order << i;
    }
    if (order.isEmpty())
        return false;
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return markPosition(m_marks[a]) < markPosition(m_marks[b]); });
    const int here = textCursor().position();
    qsizetype at = order.indexOf(m_currentMark);
    // Still on the mark last gone to: step on from it, so two marks at one
    // place are both visited.
    if (at >= 0 && markPosition(m_marks[m_currentMark]) == here) {
        at = (at + (forward ? 1 : order.size() - 1)) % order.size();
    } else if (forward) {
        const auto next = std::find_if(order.cbegin(), order.cend(), [&](int i) { return markPosition(m_marks[i]) > here; });
        at = next == order.cend() ? 0 : next - order.cbegin();
    } else {
        const auto previous = std::find_if(order.crbegin(), order.crend(), [&](int i) { return markPosition(m_marks[i]) < here; });
        at = previous == order.crend() ? order.size() - 1 : order.crend() - previous - 1;
    }
    showMark(order[at]);
    return true;
}

void CodeEditor::showMark(int index)
{
    m_currentMark = index;
    QTextCursor cursor = textCursor();
    cursor.setPosition(markPosition(m_marks[index]));
    setTextCursor(cursor);
    centerCursor();
    setFocus(Qt::OtherFocusReason);
    QToolTip::showText(viewport()->mapToGlobal(cursorRect().bottomLeft()), m_marks[index].message, viewport());
}

void CodeEditor::goToPosition(int line, int column)
{
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, blockCount()) - 1);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qBound(0, column - 1, block.length() - 1));
    setTextCursor(cursor);
    centerCursor();
    setFocus(Qt::OtherFocusReason);
}

void CodeEditor::showLineMarkTip(const QHelpEvent *help, int line, QWidget *owner) const
{
    const QString message = lineMarkMessage(line);
    if (message.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), message, owner);
}

bool CodeEditor::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        showLineMarkTip(help, cursorForPosition(help->pos()).blockNumber() + 1, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}
