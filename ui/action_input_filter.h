#pragma once

#include <QObject>
#include <functional>

// Installed for as long as Build, Run or Upload runs. The window keeps
// painting, but clicks, keys and wheel turns that arrive meanwhile are
// dropped, never replayed once the action has ended; Esc asks the action to
// stop instead. A window shown modally during the action (a question, a
// message) takes its input as usual.
class ActionInputFilter : public QObject
{
public:
    explicit ActionInputFilter(std::function<void()> stop);
    // Drops the input still queued (a tool run may have held it back), then
    // lets input through again.
    ~ActionInputFilter() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_stop;
};
