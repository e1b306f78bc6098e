#pragma once

// Build, Run and Upload.
enum class ActionKind { Build, Run, Upload };

// What Build, Run and Upload say as they go, besides their log lines: when
// they start and end, and when a tool is about to take over the wait, so
// what the log holds should be seen first. Whoever runs them decides what
// shows it: the window's cursor and status bar, or nothing.
class ActionProgress
{
public:
    virtual ~ActionProgress() = default;
    virtual void actionStarted(ActionKind action) = 0;
    virtual void toolStarting() = 0;
    virtual void actionEnded(ActionKind action) = 0;
};

// Says the action started, and that it ended on every way out.
class ActionUnderWay
{
public:
    ActionUnderWay(ActionProgress &progress, ActionKind action) : m_progress(progress), m_action(action)
    {
        m_progress.actionStarted(m_action);
    }
    ~ActionUnderWay() { m_progress.actionEnded(m_action); }
    ActionUnderWay(const ActionUnderWay &) = delete;
    ActionUnderWay &operator=(const ActionUnderWay &) = delete;

private:
    ActionProgress &m_progress;
    ActionKind m_action;
};
