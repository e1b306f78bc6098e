#pragma once

#include "build/compiler_messages.h"
#include "build/session_events.h"

#include <QList>
#include <QObject>
#include <QString>

class LogPane;
class QTimer;

// Puts what the session reports into the log pane as it arrives: the text
// of each event, and a link on the lines of each compiler error the window
// hands it. The pane catches up at the next turn of the event loop, so a
// tool's output in many pieces is laid out once, at the end of the text.
class LogFormatter : public QObject
{
    Q_OBJECT
public:
    explicit LogFormatter(LogPane *pane);

    // The log as the pane shows it once it has caught up.
    QString text() const { return m_text; }
    void append(const QString &text);
    void clear();
    // The text of an event; where a tool's output begins is kept for the
    // errors the compiler reports in it.
    void show(const SessionEvents::Event &event);
    // A link on the lines of the error's report; the index is the link's.
    void link(const CompilerMessage &error);
    void removeLinks();

Q_SIGNALS:
    // A line of the report of the link's error was double-clicked.
    void linkActivated(int index);

private:
    void flush();
    void Log_Change();
    void markLinks();
    void lineDoubleClicked(int line);

    LogPane *m_pane;
    QTimer *m_flush;
    QString m_text;
    QString m_pending;
    int m_outputStart = -1;  // the line where the last tool's output began
    struct Span {
        int first;
        int last;
    };
    QList<Span> m_links;
};
