#include "ui/action_input_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Whether the event goes to the modal window the action itself opened.
bool isForModalWindow(const QObject *receiver)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    if (receiver->isWidgetType())
        return static_cast<const QWidget *>(receiver)->window() == modal;
    if (receiver->isWindowType())
        return receiver == modal->windowHandle();
    return false;
}

bool isUserInputEvent(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

ActionInputFilter::ActionInputFilter(std::function<void()> stop) : m_stop(std::move(stop))
{
    qApp->installEventFilter(this);
}

ActionInputFilter::~ActionInputFilter()
{
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
}

bool ActionInputFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (!isUserInputEvent(event) || isForModalWindow(watched))
        return QObject::eventFilter(watched, event);
    // Taking the override keeps the key from becoming a menu shortcut; the
    // key press itself then comes here.
    if (event->type() == QEvent::ShortcutOverride)
        event->accept();
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_stop)
        m_stop();
    return true;
}
