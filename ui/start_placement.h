#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>

class QWidget;

// The smallest the main window may be, frame included.
QSize minimumOuterSize();

// The main window's start placement, where left and top are the frame's and
// the size the outer one. Before the window is shown the frame is not known,
// so the placement is made good once the window manager has told it.
class StartPlacement : public QObject
{
public:
    // relayout: the window's layout rule, run when the frame changes.
    StartPlacement(QWidget *window, std::function<void()> relayout);

    void start(const QPoint &frameTopLeft);
    // From the window's show, move and resize events.
    void shown();
    void frameMayHaveChanged();
    // The frame's share of the outer size; none while it is not known.
    QSize frameExtra() const;

private:
    void apply();
    void watchForFrame();

    QWidget *m_window;
    std::function<void()> m_relayout;
    bool m_pending = false;
    QPoint m_position;
    QSize m_knownFrame{0, 0};
};
