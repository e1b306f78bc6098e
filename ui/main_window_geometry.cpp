// The main window's placement and the layout of its panes.
#include "ui/main_window.h"

#include "app/window_placement.h"
#include "ui/editor_tabs.h"
#include "ui/source_editor.h"
#include "ui/start_placement.h"

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_start->shown();
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    m_start->frameMayHaveChanged();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_start->frameMayHaveChanged();
    Form_Resize();
}

void frmMain::Form_Resize()
{
    // Minimised, the platform owns the size; the rule waits for the restore.
    if (isMinimized())
        return;
    const QSize outer = frameGeometry().size();
    const PaneLayout layout = layoutForWindow(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel);
    const QSize minimum = minimumOuterSize() - m_start->frameExtra();
    setMinimumSize(minimum);
    if (size().width() < minimum.width() || size().height() < minimum.height())
        resize(size().expandedTo(minimum));
    m_tabs->setGeometry(0, toPixels(600), toPixels(layout.sourceWidth), toPixels(layout.sourceHeight));
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
