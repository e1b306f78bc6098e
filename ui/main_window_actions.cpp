// How the main window runs its commands: one at a time, Build and Upload
// without input but Esc, closing meanwhile, and what the window shows.
#include "ui/main_window.h"

#include "deploy/phone_address_dialog.h"
#include "ui/action_input_filter.h"
#include "ui/editor_tabs.h"
#include "ui/log_formatter.h"
#include "ui/main_status_bar.h"
#include "ui/source_editor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

// One action at a time. New and Open wait for a dialog with the window
// usable; a second command meanwhile brings that dialog forward.
void frmMain::runAction(const std::function<void()> &action)
{
    if (bringWaitingDialogForward())
        return;
    action();
    if (m_closePending) {
        m_closePending = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void frmMain::runCommand(ProjectSession::Command command, const std::function<void()> &action)
{
    runAction([&] {
        const ProjectSession::Refusal refusal = m_session.refusal(command);
        if (!refusal.text.isEmpty())
            sbStatusBar->showNote(refusal.text, refusal.held ? MainStatusBar::NoteEnd::AtNextCommand : MainStatusBar::NoteEnd::AfterAWhile);
        else
            action();
        showProject();
    });
}

// Build, Run and Upload: the window says why one does nothing, and takes no
// input but Esc and the close box while one runs.
void frmMain::pressButton(ProjectSession::Command command, const std::function<void()> &action)
{
    if (bringWaitingDialogForward())
        return;
    sbStatusBar->commandGiven();
    runCommand(command, [&] {
        m_inputBlocked = true;
        {
            ActionInputFilter filter([this] { m_session.stop(); });
            action();
        }
        m_inputBlocked = false;
    });
}

bool frmMain::bringWaitingDialogForward()
{
    if (!m_session.isBusy())
        return false;
    if (QWidget *dialog = m_dialogs.waitingDialog()) {
        dialog->raise();
        dialog->activateWindow();
        sbStatusBar->showNote(QStringLiteral("ダイアログが開いています。"));
    }
    return true;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_session.isBusy()) {
        event->ignore();
        // A dialog that waits ends with no choice; the window closes after it.
        if (QWidget *dialog = m_dialogs.waitingDialog()) {
            m_closePending = true;
            dialog->close();
        } else if (!m_inputBlocked || askStopAndClose()) {
            m_closePending = true;
        }
        return;
    }
    if (!m_session.mayEndEmulator() || !m_session.maySourceBeLeft()) {
        event->ignore();
        return;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    SaveWindowPlacement();
    event->accept();
}

// Yes stops the tool or transfer; the window closes once the action is back.
bool frmMain::askStopAndClose()
{
    if (m_askingToStop || m_closePending)
        return false;
    m_askingToStop = true;
    const bool yes = m_dialogs.askYesNo(QStringLiteral("実行中の処理を中止して終了しますか?"), Asker::Default::No);
    m_askingToStop = false;
    if (yes)
        m_session.stop();
    return yes;
}

void frmMain::build(bool andRun)
{
    // The marks of the last build go as the next one starts.
    m_tabs->clearDiagnostics();
    m_log->removeLinks();
    andRun ? m_session.buildAndRun() : m_session.build();
}

void frmMain::upload()
{
    m_lastActionSucceeded = false;  // an upload the user called off reports nothing
    m_session.upload();
    showProject();
    if (m_lastActionSucceeded && phoneAddressAfterUpload(m_placement))
        showPhoneAddress();
}

void frmMain::showProject()
{
    if (const OpenedProject *project = m_session.project())
        sbStatusBar->setProject(project->name, project->settings.TargetProfile);
    m_runControls->refresh();
}

void frmMain::OpenProject(const QString &name)
{
    runAction([this, &name] { projectOpened(m_session.open(name)); });
}

// The user opened it to type.
void frmMain::projectOpened(bool opened)
{
    if (!opened)
        return;
    sbStatusBar->setBudget({});
    showProject();
    m_tabs->showProject();
    activateWindow();
    SourceCode->setFocus();
}

void frmMain::processEvents()
{
    // During Build, Run or Upload the input filter drops the input and lets
    // Esc stop the action; otherwise input waits until the handler is done.
    QCoreApplication::processEvents(m_inputBlocked ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

// What the session reports: the log's text as it comes, links on the
// compiler's errors, the budget, and the actions' progress. Build takes the
// busy pointer for its whole road, Run and Upload leave the pointer to the
// emulator and the user; the status bar names each.
void frmMain::report(const Event &event)
{
    m_log->show(event);
    m_runControls->refresh();
    if (const auto *diagnostic = std::get_if<Diagnostic>(&event)) {
        if (m_tabs->addDiagnostic(diagnostic->error))
            m_log->link(diagnostic->error);
    } else if (const auto *budget = std::get_if<Budget>(&event))
        sbStatusBar->setBudget(budget->lines);
    else if (const auto *progress = std::get_if<Progress>(&event)) {
        if (progress->stage == Progress::Stage::ToolStarting)
            return processEvents();
        static const char *const activities[] = {"ビルド中", "実行中", "アップロード中"};
        sbStatusBar->setActivity(QString::fromUtf8(activities[int(progress->action)]));
        if (progress->action == ActionKind::Build)
            m_busy.take();
    } else if (const auto *ended = std::get_if<ActionEnded>(&event)) {
        m_lastActionSucceeded = ended->ok;
        if (ended->action == ActionKind::Build)
            m_busy.give();
        sbStatusBar->setActivity(QString());
    }
}
