// The main window's placement and the layout of its panes.
#include "ui/main_window.h"

#include "app/window_placement.h"
#include "ui/source_editor.h"

#include <QDeadlineTimer>
#include <QTimer>

namespace {

// The smallest the window may be, frame included.
QSize minimumOuterSize()
{
    return QSize(toPixels(kMinWindowWidth), toPixels(kMinWindowHeight));
}

} // namespace

// Left and top are the frame's, the size the outer one. Before the window
// is shown the frame is not known; applied again once it is.
void frmMain::applyStartPlacement()
{
    m_knownFrame = frameExtra();
    const QSize outer = minimumOuterSize();
    setMinimumSize(outer - m_knownFrame);
    resize(outer - m_knownFrame);
    if (frameGeometry().topLeft() != m_startPosition)
        move(m_startPosition);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    frameMayHaveChanged();
    if (m_startPending)
        watchForFrame();
}

// A window manager tells the frame soon after the window is mapped, with no
// event when the client area stays where it was put; without a window
// manager the frame stays empty and the placement stands as made.
void frmMain::watchForFrame()
{
    auto *watch = new QTimer(this);
    const QDeadlineTimer deadline(2000);
    connect(watch, &QTimer::timeout, this, [this, watch, deadline] {
        frameMayHaveChanged();
        if (!m_startPending || deadline.hasExpired()) {
            m_startPending = false;
            watch->deleteLater();
        }
    });
    watch->start(20);
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    frameMayHaveChanged();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    frameMayHaveChanged();
    Form_Resize();
}

void frmMain::frameMayHaveChanged()
{
    if (!isVisible() || frameExtra() == m_knownFrame)
        return;
    if (m_startPending && windowState() == Qt::WindowNoState) {
        m_startPending = false;
        applyStartPlacement();
    }
    m_knownFrame = frameExtra();
    Form_Resize();
}

QSize frmMain::frameExtra() const
{
    // While the window manager reparents the window, X11 can report a frame
    // made of the old and the new parent's geometry, far off either way. A
    // real frame is a title bar and borders.
    const QSize extra = frameGeometry().size() - size();
    const QSize limit = minimumOuterSize() / 4;
    if (extra.width() < 0 || extra.height() < 0 || extra.width() >= limit.width() || extra.height() >= limit.height())
        return QSize(0, 0);
    return extra;
}

void frmMain::Form_Resize()
{
    // Minimised, the platform owns the size; the rule waits for the restore.
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const PaneLayout layout = layoutForWindow(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    const QSize minimum = minimumOuterSize() - frameExtra();
    setMinimumSize(minimum);
    if (size().width() < minimum.width() || size().height() < minimum.height())
        resize(size().expandedTo(minimum));
    SourceCode->setGeometry(0, toPixels(600), toPixels(layout.sourceWidth), toPixels(layout.sourceHeight));
    // The rule's outer height counts the menu and status bars the client area
    // lacks: the log ends where the client area does, its scroll bar in view.
    const int logTop = toPixels(layout.logTop);
    const int room = centralWidget()->height() - logTop;
    Log->setGeometry(0, logTop, toPixels(layout.logWidth), qBound(0, toPixels(layout.logHeight), room));
}

void frmMain::SaveWindowPlacement()
{
    if (isMinimized())
        return;
    const QRect outer = frameGeometry();
    writePlacement(m_placement, {float(outer.x() * kTwipsPerPixel), float(outer.y() * kTwipsPerPixel),
                                 float(outer.width() * kTwipsPerPixel), float(outer.height() * kTwipsPerPixel)});
}
