#include "ui/code_editor.h"

#include "ui/java_highlighter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr int kIndentStep = 4;
// Lines coloured in one turn of the event loop while a long source is
// coloured from the top; bench_editor times a slice.
constexpr int kColouringSlice = 1000;

QString leadingBlanks(const QString &line)
{
    qsizetype end = 0;
    while (end < line.size() && (line[end] == QLatin1Char(' ') || line[end] == QLatin1Char('\t')))
        ++end;
    return line.left(end);
}

// Columns as the editor shows them: a tab reaches the next indent step.
int columnsOf(QStringView text)
{
    int columns = 0;
    for (const QChar c : text)
        columns = c == QLatin1Char('\t') ? (columns / kIndentStep + 1) * kIndentStep : columns + 1;
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

// The layout takes a change's removed and added characters together for the
// stretch to redo. Colouring marks the whole line as removed and added again,
// so that stretch reached past the line and every key repainted the whole
// view. What must be laid out again is what the text holds now, the added
// characters: when they lie in one line, that line is laid out and repainted
// alone. Colouring in slices leaves the lines it colours to be laid out when
// they are shown.
class SourceLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;
    bool colouringInSlices = false;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        if (!colouringInSlices && charsAdded > 0 && document()->findBlock(from).contains(from + charsAdded - 1))
            charsRemoved = 0;
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }
};

// The line numbers left of the text, painted by the editor.
class LineNumberGutter : public QWidget
{
public:
    explicit LineNumberGutter(CodeEditor *editor) : QWidget(editor), m_editor(editor) {}
    QSize sizeHint() const override { return QSize(m_editor->gutterWidth(), 0); }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor->paintGutter(event, this); }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            const auto *help = static_cast<QHelpEvent *>(event);
            const QString message = m_editor->lineMarkMessage(m_editor->lineAt(help->pos().y()));
            if (message.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), message, this);
            return true;
        }
        return QWidget::event(event);
    }

private:
    CodeEditor *m_editor;
};

CodeEditor::CodeEditor(QWidget *parent) : QPlainTextEdit(parent), m_gutter(new LineNumberGutter(this))
{
    auto *source = new QTextDocument(this);
    m_layout = new SourceLayout(source);
    source->setDocumentLayout(m_layout);
    setDocument(source);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeEditor::updateMargins);
    connect(this, &QPlainTextEdit::updateRequest, this, &CodeEditor::updateGutter);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CodeEditor::updateExtraSelections);
    connect(document(), &QTextDocument::contentsChanged, this, &CodeEditor::dropEditedMarks);
    m_colouring = new QTimer(this);
    m_colouring->setInterval(0);
    connect(m_colouring, &QTimer::timeout, this, &CodeEditor::colourNextSlice);
    updateTabStops();
    updateMargins();
    updateExtraSelections();
}

CodeEditor::~CodeEditor() = default;

void CodeEditor::setHighlighting(bool on)
{
    if (on == (m_highlighter != nullptr))
        return;
    if (on) {
        m_highlighter = new JavaHighlighter(document(), palette());
    } else {
        m_colouring->stop();
        m_colouredUpTo = INT_MAX;
        delete m_highlighter;
        m_highlighter = nullptr;
    }
}

void CodeEditor::loadText(const QString &text)
{
    clearLineMarks();
    // Said while the document's signals still reach the window.
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    if (!m_highlighter) {
        setPlainText(text);
        return;
    }
    // Held, the highlighter is not told of the new text and does not colour
    // every line of it before the window is painted again.
    m_highlighter->setColouredUpTo(-1);
    m_colouredUpTo = -1;
    {
        const QSignalBlocker held(document());
        setPlainText(text);
    }
    updateMargins();
    colourNextSlice();
}

bool CodeEditor::isColouringDone() const
{
    return m_colouredUpTo == INT_MAX;
}

void CodeEditor::colourNextSlice()
{
    if (!m_highlighter || isColouringDone())
        return;
    // The first slice is what is in view, so the window shows it coloured.
    const int slice = m_colouredUpTo < 0 ? 2 * viewport()->height() / qMax(1, fontMetrics().height()) + 1
                                         : kColouringSlice;
    const int last = m_colouredUpTo + slice;
    m_highlighter->setColouredUpTo(last);
    // Each line coloured changes its state from "not yet", so the highlighter
    // goes on line by line up to the first it must leave.
    m_layout->colouringInSlices = true;
    m_highlighter->rehighlightBlock(document()->findBlockByNumber(m_colouredUpTo + 1));
    m_layout->colouringInSlices = false;
    m_colouredUpTo = last;
    if (last >= blockCount() - 1) {
        m_colouredUpTo = INT_MAX;
        m_highlighter->setColouredUpTo(INT_MAX);
        m_colouring->stop();
    } else if (!m_colouring->isActive()) {
        m_colouring->start();
    }
}

void CodeEditor::setBottomPanel(QWidget *panel)
{
    m_bottomPanel = panel;
    panel->setParent(this);
    panel->installEventFilter(this);
    updateMargins();
}

bool CodeEditor::eventFilter(QObject *watched, QEvent *event)
{
    // The panel's height changes with what it shows (the find bar's replace row).
    if (watched == m_bottomPanel
        && (event->type() == QEvent::Show || event->type() == QEvent::Hide || event->type() == QEvent::LayoutRequest))
        updateMargins();
    return QPlainTextEdit::eventFilter(watched, event);
}

int CodeEditor::gutterWidth() const
{
    int digits = 1;
    for (int count = qMax(1, blockCount()); count >= 10; count /= 10)
        ++digits;
    const QFontMetrics metrics(font());
    // Room for three digits at least, so the text does not move while a
    // short file grows, and for the error mark before the number.
    return metrics.height() + qMax(digits, 3) * metrics.horizontalAdvance(QLatin1Char('9')) + 6;
}

void CodeEditor::updateMargins()
{
    const int bottom = m_bottomPanel && m_bottomPanel->isVisibleTo(this) ? m_bottomPanel->sizeHint().height() : 0;
    setViewportMargins(gutterWidth(), 0, 0, bottom);
    placePanels();
}

void CodeEditor::placePanels()
{
    const QRect text = viewport()->geometry();
    m_gutter->setGeometry(contentsRect().left(), text.top(), gutterWidth(), text.height());
    if (m_bottomPanel)
        m_bottomPanel->setGeometry(contentsRect().left(), text.bottom() + 1, text.right() + 1 - contentsRect().left(),
                                   m_bottomPanel->sizeHint().height());
}

void CodeEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placePanels();
}

void CodeEditor::updateGutter(const QRect &rect, int dy)
{
    if (dy != 0)
        m_gutter->scroll(0, dy);
    else
        m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
}

void CodeEditor::paintGutter(QPaintEvent *event, QWidget *gutter)
{
    QPainter painter(gutter);
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int current = textCursor().blockNumber();
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top()) {
            const int line = block.blockNumber() + 1;
            if (markOnLine(line)) {
                const int size = metrics.height() / 2;
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(0xd0, 0x20, 0x20));
                painter.drawEllipse(QRect(3, top + (metrics.height() - size) / 2, size, size));
            }
            painter.setPen(palette().color(block.blockNumber() == current ? QPalette::WindowText : QPalette::PlaceholderText));
            painter.drawText(0, top, gutter->width() - 4, metrics.height(), Qt::AlignRight, QString::number(line));
        }
        top += height;
        block = block.next();
    }
}

int CodeEditor::lineAt(int y) const
{
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (y >= top && y < bottom)
            return block.blockNumber() + 1;
        top = bottom;
        block = block.next();
    }
    return 0;
}

void CodeEditor::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateTabStops();
        updateMargins();
    } else if (event->type() == QEvent::PaletteChange) {
        if (m_highlighter)
            m_highlighter->setPalette(palette());
        updateExtraSelections();
    }
}

void CodeEditor::updateTabStops()
{
    setTabStopDistance(QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')) * kIndentStep);
}

void CodeEditor::updateExtraSelections()
{
    QList<QTextEdit::ExtraSelection> selections;
    QTextEdit::ExtraSelection line;
    QColor background = palette().color(QPalette::Highlight);
    background.setAlpha(40);
    line.format.setBackground(background);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    selections << line;
    for (const Mark &mark : std::as_const(m_marks)) {
        if (!mark.inPlace)
            continue;
        QTextEdit::ExtraSelection error;
        error.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        error.format.setUnderlineColor(QColor(0xe0, 0x20, 0x20));
        const QTextBlock block = mark.lineStart.block();
        const int end = block.position() + block.length() - 1;
        // A caret after the last character (a missing ';') marks that character.
        const int start = qMin(markPosition(mark), qMax(end - 1, block.position()));
        error.cursor = QTextCursor(document());
        error.cursor.setPosition(start);
        error.cursor.setPosition(end, QTextCursor::KeepAnchor);
        selections << error;
    }
    setExtraSelections(selections);
}

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

const CodeEditor::Mark *CodeEditor::markOnLine(int line) const
{
    for (const Mark &mark : m_marks) {
        if (mark.inPlace && mark.lineStart.blockNumber() + 1 == line)
            return &mark;
    }
    return nullptr;
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

bool CodeEditor::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const QString message = lineMarkMessage(cursorForPosition(help->pos()).blockNumber() + 1);
        if (message.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), message, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
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
