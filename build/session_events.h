#pragma once

#include "build/compiler_messages.h"
#include "build/handset_budget.h"

#include <QList>
#include <QString>
#include <variant>

// Build, Run and Upload.
enum class ActionKind { Build, Run, Upload };

// What the actions report as they go, in order, to whoever shows it: the
// window's log and status bar, or standard output without a window. Texts
// hold CR LF line ends, as the log keeps them.
class SessionEvents
{
public:
    // Build empties the log as it starts.
    struct LogCleared {};
    // A tool's command line, about to run.
    struct CommandStarted {
        QString commandLine;
    };
    // What a tool printed, as it comes (LF as CR LF).
    struct ToolOutput {
        QString text;
    };
    // The actions' own words, with the line ends they end in.
    struct Message {
        QString text;
    };
    // An error the compiler reported; its output lines count from the start
    // of the compiler's output.
    struct Diagnostic {
        CompilerMessage error;
    };
    // What the build takes of the handset; empty without an archive.
    struct Budget {
        QList<BudgetLine> lines;
    };
    // An action started, or a tool is about to take over the wait, so what
    // was reported should be seen first.
    struct Progress {
        enum class Stage { Started, ToolStarting };
        ActionKind action;
        Stage stage;
    };
    // An action ended: whether every stage of it worked.
    struct ActionEnded {
        ActionKind action;
        bool ok = false;
    };
    using Event = std::variant<LogCleared, CommandStarted, ToolOutput, Message, Diagnostic, Budget, Progress, ActionEnded>;

    virtual ~SessionEvents() = default;
    virtual void report(const Event &event) = 0;
};

// What an event adds to the log; empty for those the log does not show.
QString logTextOf(const SessionEvents::Event &event);

// Says the action started, and that it ended, with its result, on every way
// out; without a result it ended in failure.
class ActionUnderWay
{
public:
    ActionUnderWay(SessionEvents &events, ActionKind action);
    ~ActionUnderWay();
    void succeeded(bool ok) { m_ok = ok; }
    ActionUnderWay(const ActionUnderWay &) = delete;
    ActionUnderWay &operator=(const ActionUnderWay &) = delete;

private:
    SessionEvents &m_events;
    ActionKind m_action;
    bool m_ok = false;
};
