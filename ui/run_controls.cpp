#include "ui/run_controls.h"

#include "session/project_session.h"
#include "ui/main_status_bar.h"
#include "ui/picture_button.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

// The handset's screen at its usual size with the window's frame; a larger
// zoom grows it to the right.
constexpr int kEmulatorWidth = 280;

} // namespace

RunControls::RunControls(QMainWindow *window, ProjectSession &session, MainStatusBar &status, Buttons buttons,
                         std::function<void()> buildAndRun)
    : QObject(window)
    , m_window(window)
    , m_session(session)
    , m_status(status)
    , m_buttons(buttons)
{
    createMenu(std::move(buildAndRun));
    window->installEventFilter(this);
    refresh();
}

// Captions are ids until the window loads, as the other menus' are.
void RunControls::createMenu(std::function<void()> buildAndRun)
{
    QMenuBar *bar = m_window->menuBar();
    auto *menu = new QMenu(QStringLiteral("1035"), bar);
    menu->setObjectName(QStringLiteral("mnuRun"));
    const QList<QAction *> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    const auto addItem = [this, menu](const char *name, const char *caption, const QKeySequence &key, auto slot) {
        QAction *action = menu->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this] { m_status.commandGiven(); });
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    addItem("mnuRunBuildAndRun", "1036", QKeySequence(Qt::Key_F5), buildAndRun);
    m_stop = addItem("mnuRunStop", "1037", QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] { m_session.stop(); });
    m_front = addItem("mnuRunFront", "1038", QKeySequence(Qt::CTRL | Qt::Key_F5), [this] {
        if (const Result<> raised = m_session.raiseEmulator(); !raised)
            m_status.showNote(raised.error());
    });
}

void RunControls::refresh()
{
    const bool running = m_session.isRunning();
    m_stop->setEnabled(running);
    m_front->setEnabled(running);
    const bool free = !m_session.isBusy();
    using Command = ProjectSession::Command;
    m_buttons.build->setActionable(free && m_session.ProjectLoaded());
    m_buttons.run->setActionable(free && m_session.refusal(Command::Run).text.isEmpty());
    m_buttons.upload->setActionable(free && m_session.refusal(Command::Upload).text.isEmpty());
}

QPoint RunControls::placeBeside(const QRect &frame, const QRect &screen, int width)
{
    if (screen.right() - frame.right() >= width)
        return {frame.right() + 1, frame.top()};
    if (frame.left() - screen.left() >= width)
        return {frame.left() - width, frame.top()};
    return {screen.right() + 1 - width, frame.top()};
}

void RunControls::placeEmulator()
{
    if (const QScreen *screen = m_window->screen())
        m_session.setEmulatorPlace(placeBeside(m_window->frameGeometry(), screen->availableGeometry(), kEmulatorWidth));
}

// Esc stops the emulator when no part of the window took the key for
// itself (the find bar closes first).
bool RunControls::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
        placeEmulator();
        break;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && m_session.isRunning()) {
            m_session.stop();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
