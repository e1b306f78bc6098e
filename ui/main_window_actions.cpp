// How the main window runs its commands: one at a time, Build, Run and
// Upload without input but Esc, and closing while one runs.
#include "ui/main_window.h"

#include "app/message_box.h"
#include "build/command_runner.h"
#include "deploy/ftp_client.h"
#include "project/new_project_dialog.h"
#include "project/project_chooser.h"
#include "ui/action_input_filter.h"
#include "ui/main_status_bar.h"

#include <QCloseEvent>
#include <QTimer>

// One action at a time. New and Open wait for a dialog with the window
// usable; a second command meanwhile brings that dialog forward.
void frmMain::runAction(const std::function<void()> &action)
{
    if (bringWaitingDialogForward())
        return;
    m_actionRunning = true;
    action();
    m_actionRunning = false;
    if (m_closePending) {
        m_closePending = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

// Build, Run and Upload: the window says why one does nothing, and takes no
// input but Esc and the close box while one runs.
void frmMain::pressButton(const QString &refusal, const std::function<void()> &action)
{
    if (bringWaitingDialogForward())
        return;
    if (!refusal.isEmpty()) {
        sbStatusBar->showNote(refusal);
        return;
    }
    runAction([&] {
        m_inputBlocked = true;
        {
            ActionInputFilter filter([this] { stopAction(); });
            action();
        }
        m_inputBlocked = false;
    });
}

bool frmMain::bringWaitingDialogForward()
{
    if (!m_actionRunning)
        return false;
    if (QWidget *dialog = waitingDialog()) {
        dialog->raise();
        dialog->activateWindow();
        sbStatusBar->showNote(QStringLiteral("ダイアログが開いています。"));
    }
    return true;
}

QWidget *frmMain::waitingDialog() const
{
    if (m_chooser && m_chooser->isVisible())
        return m_chooser;
    if (m_newProject && m_newProject->isVisible())
        return m_newProject;
    return nullptr;
}

void frmMain::stopAction()
{
    m_services.runners.stopRunning();
    m_services.ftp.abortTransfers();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_actionRunning) {
        event->ignore();
        // A dialog that waits ends with no choice; the window closes after it.
        if (QWidget *dialog = waitingDialog()) {
            m_closePending = true;
            dialog->close();
        } else if (!m_inputBlocked || askStopAndClose()) {
            m_closePending = true;
        }
        return;
    }
    if (!MaySourceBeLeft(m_services, project())) {
        event->ignore();
        return;
    }
    closeOtherWindows();
    SaveWindowPlacement();
    event->accept();
}

// Yes stops the tool or transfer; the window closes once the action is back.
bool frmMain::askStopAndClose()
{
    if (m_askingToStop || m_closePending)
        return false;
    m_askingToStop = true;
    const auto answer = askQuenvel(QStringLiteral("実行中の処理を中止して終了しますか?"),
                                   QMessageBox::Yes | QMessageBox::No, this, QMessageBox::No);
    m_askingToStop = false;
    if (answer != QMessageBox::Yes)
        return false;
    stopAction();
    return true;
}
