#include "ui/log_formatter.h"

#include "app/line_ends.h"
#include "ui/source_editor.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

LogFormatter::LogFormatter(LogPane *pane)
    : QObject(pane)
    , m_pane(pane)
    , m_flush(new QTimer(this))
{
    m_flush->setSingleShot(true);
    m_flush->setInterval(0);
    connect(m_flush, &QTimer::timeout, this, &LogFormatter::flush);
    connect(m_pane, &LogPane::lineDoubleClicked, this, &LogFormatter::lineDoubleClicked);
}

void LogFormatter::append(const QString &text)
{
    m_text += text;
    m_pending += text;
    if (!m_flush->isActive())
        m_flush->start();
}

void LogFormatter::clear()
{
    m_text.clear();
    m_pending.clear();
    m_pane->clear();
}

void LogFormatter::show(const SessionEvents::Event &event)
{
    if (std::holds_alternative<SessionEvents::LogCleared>(event))
        clear();
    // A note of the runner may come between a tool's command line and its output.
    if (std::holds_alternative<SessionEvents::CommandStarted>(event))
        m_outputStart = -1;
    if (std::holds_alternative<SessionEvents::ToolOutput>(event) && m_outputStart < 0)
        m_outputStart = int(m_text.count(QLatin1Char('\n')));
    if (const QString text = logTextOf(event); !text.isEmpty())
        append(text);
}

void LogFormatter::flush()
{
    if (m_pending.isEmpty())
        return;
    QTextCursor cursor(m_pane->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(forPane(m_pending));
    m_pending.clear();
    Log_Change();
}

// The newest line stays in view: the caret at the end, nothing selected.
void LogFormatter::Log_Change()
{
    QTextCursor end(m_pane->document());
    end.movePosition(QTextCursor::End);
    m_pane->setTextCursor(end);
    m_pane->verticalScrollBar()->setValue(m_pane->verticalScrollBar()->maximum());
}

void LogFormatter::link(const CompilerMessage &error)
{
    m_links << Span{m_outputStart + error.firstOutputLine, m_outputStart + error.lastOutputLine};
    // The lines are the pane's once it has caught up.
    flush();
    markLinks();
}

void LogFormatter::removeLinks()
{
    m_links.clear();
    m_pane->setExtraSelections({});
}

// The line naming the file and line is shown as a link, for double-clicking.
void LogFormatter::markLinks()
{
    QList<QTextEdit::ExtraSelection> links;
    for (const Span &span : std::as_const(m_links)) {
        QTextEdit::ExtraSelection link;
        link.format.setForeground(m_pane->palette().color(QPalette::Link));
        link.format.setFontUnderline(true);
        link.cursor = QTextCursor(m_pane->document()->findBlockByNumber(span.first));
        link.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        links << link;
    }
    m_pane->setExtraSelections(links);
}

// Any line of an error's report (the file and line, the quoted source, the
// caret) leads to it.
void LogFormatter::lineDoubleClicked(int line)
{
    for (int i = 0; i < m_links.size(); ++i) {
        if (line >= m_links[i].first && line <= m_links[i].last)
            return Q_EMIT linkActivated(i);
    }
}
