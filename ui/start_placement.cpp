#include "ui/start_placement.h"

#include "app/window_placement.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

QSize minimumOuterSize()
{
    return QSize(toPixels(kMinWindowWidth), toPixels(kMinWindowHeight));
}

StartPlacement::StartPlacement(QWidget *window, std::function<void()> relayout)
    : QObject(window)
    , m_window(window)
    , m_relayout(std::move(relayout))
{
}

void StartPlacement::start(const QPoint &frameTopLeft)
{
    m_position = frameTopLeft;
    apply();
    m_pending = true;
}

void StartPlacement::apply()
{
    m_knownFrame = frameExtra();
    const QSize outer = minimumOuterSize();
    m_window->setMinimumSize(outer - m_knownFrame);
    m_window->resize(outer - m_knownFrame);
    if (m_window->frameGeometry().topLeft() != m_position)
        m_window->move(m_position);
}

void StartPlacement::shown()
{
    frameMayHaveChanged();
    if (m_pending)
        watchForFrame();
}

// A window manager tells the frame soon after the window is mapped, with no
// event when the client area stays where it was put; without a window
// manager the frame stays empty and the placement stands as made.
void StartPlacement::watchForFrame()
{
    auto *watch = new QTimer(this);
    const QDeadlineTimer deadline(2000);
    connect(watch, &QTimer::timeout, this, [this, watch, deadline] {
        frameMayHaveChanged();
        if (!m_pending || deadline.hasExpired()) {
            m_pending = false;
            watch->deleteLater();
        }
    });
    watch->start(20);
}

void StartPlacement::frameMayHaveChanged()
{
    if (!m_window->isVisible() || frameExtra() == m_knownFrame)
        return;
    if (m_pending && m_window->windowState() == Qt::WindowNoState) {
        m_pending = false;
        apply();
    }
    m_knownFrame = frameExtra();
    m_relayout();
}

QSize StartPlacement::frameExtra() const
{
    // While the window manager reparents the window, X11 can report a frame
    // made of the old and the new parent's geometry, far off either way. A
    // real frame is a title bar and borders.
    const QSize extra = m_window->frameGeometry().size() - m_window->size();
    const QSize limit = minimumOuterSize() / 4;
    if (extra.width() < 0 || extra.height() < 0 || extra.width() >= limit.width() || extra.height() >= limit.height())
        return QSize(0, 0);
    return extra;
}
