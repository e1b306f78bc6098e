#include "ui/code_editor.h"

#include "ui/java_highlighter.h"

#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QHelpEvent>
#include <QTimer>

namespace {

// Lines coloured in one turn of the event loop while a long source is
// coloured from the top; bench_editor times a slice.
constexpr int kColouringSlice = 1000;

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
            m_editor->showLineMarkTip(help, m_editor->lineAt(help->pos().y()), this);
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
    // Done while the document's signals still reach the window, which
    // shows whether there are changes.
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
    // Lines deleted meanwhile above the slice move lines not yet coloured
    // (state -1) before it.
    QTextBlock first = document()->findBlockByNumber(m_colouredUpTo + 1);
    while (first.previous().isValid() && first.previous().userState() == -1)
        first = first.previous();
    const int last = first.blockNumber() + slice - 1;
    m_highlighter->setColouredUpTo(last);
    // Each line coloured changes its state from "not yet", so the highlighter
    // goes on line by line up to the first it must leave.
    m_layout->colouringInSlices = true;
    m_highlighter->rehighlightBlock(first);
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
            if (hasMarkOnLine(line)) {
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
