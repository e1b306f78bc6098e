// How the main window runs its commands: one at a time, Build, Run and
// Upload without input but Esc, closing while one runs, and what the window
// shows of what they report.
#include "ui/main_window.h"

#include "app/message_box.h"
#include "app/settings_store.h"
#include "build/build_folders.h"
#include "build/build_pipeline.h"
#include "build/command_runner.h"
#include "build/descriptor_edits.h"
#include "build/emulator_launch.h"
#include "deploy/ftp_client.h"
#include "deploy/upload.h"
#include "project/new_project_dialog.h"
#include "project/open_project.h"
#include "project/project_chooser.h"
#include "project/project_settings_dialog.h"
#include "ui/action_input_filter.h"
#include "ui/main_status_bar.h"
#include "ui/source_editor.h"

#include <QCloseEvent>
#include <QGuiApplication>
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
void frmMain::pressButton(const QString &refusal, const std::function<void()> &action, bool holdRefusal)
{
    if (bringWaitingDialogForward())
        return;
    sbStatusBar->commandGiven();
    if (!refusal.isEmpty()) {
        sbStatusBar->showNote(refusal, holdRefusal ? MainStatusBar::NoteEnd::AtNextCommand : MainStatusBar::NoteEnd::AfterAWhile);
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

void frmMain::build()
{
    // The marks of the last build go as the next one starts.
    m_compileErrors.clear();
    SourceCode->clearLineMarks();
    Log->setExtraSelections({});
    const BuildOutcome outcome = Compile_Click(m_services, *m_project);
    if (outcome.compiled)
        m_flags.CanRun = *outcome.compiled;
    markCompileErrors(outcome.errors);
    showProject();
    sbStatusBar->setBudget(outcome.budget);
}

void frmMain::run()
{
    // Whatever the emulator came to, the user has seen the application.
    Run_Click(m_services, *m_project);
    m_flags.CanUpload = true;
}

void frmMain::upload()
{
    const bool sent = Upload_Click(m_services, *m_project);
    showProject();
    if (!sent)
        return;
    m_lastPhoneAddress = phoneAddress(m_store.settings().WebUrl, m_project->name);
    if (phoneAddressAfterUpload())
        showPhoneAddress();
}

// Values typed into the descriptor by hand are taken first, so the dialog
// shows them; what the user then changes is saved with the descriptor as it
// stands, which from then on holds no edits by hand.
void frmMain::editProjectSettings()
{
    if (!m_project) {
        sbStatusBar->showNote(QStringLiteral("プロジェクトが開かれていません。"));
        return;
    }
    for (const QString &line : takeHandEdits(m_store, *m_project))
        appendLog(line + QStringLiteral("\r\n"));
    showProject();
    ProjectSettingsDialog dialog(m_project->name, m_project->settings, this);
    if (dialog.exec() != QDialog::Accepted || dialog.settings() == m_project->settings)
        return;
    const ProjectSettings changed = dialog.settings();
    const QString digest = currentDescriptorDigest(*m_project);
    if (const Result<> saved = m_store.saveProjectSettings(*m_project, changed, digest); !saved) {
        showQuenvelMessage(saved.error(), this);
        return;
    }
    m_project->settings = changed;
    m_project->jamChecked = digest;
    showProject();
}

void frmMain::showProject()
{
    if (m_project)
        sbStatusBar->setProject(m_project->name, m_project->settings.TargetProfile);
}

// The class files and the three products go; the scratchpad file stays.
void frmMain::clean()
{
    if (!m_project) {
        sbStatusBar->showNote(QStringLiteral("プロジェクトが開かれていません。"));
        return;
    }
    const QString question = QStringLiteral("ビルド結果 (classes と tmpclasses のクラスファイル、bin の %1.jar、%1.jam、%1.htm) を削除しますか?\n"
                                            "スクラッチパッドのファイルは残ります。")
                                 .arg(m_project->name);
    if (askQuenvel(question, QMessageBox::Yes | QMessageBox::No, this, QMessageBox::No) != QMessageBox::Yes)
        return;
    // Values typed into the descriptor are not lost with it.
    for (const QString &line : takeHandEdits(m_store, *m_project))
        appendLog(line + QStringLiteral("\r\n"));
    showProject();
    if (const Result<> removed = removeBuildProducts(m_project->paths); !removed) {
        appendLog(removed.error() + QStringLiteral("\r\n"));
        return;
    }
    appendLog(QStringLiteral("ビルド結果を削除しました。\r\n"));
    // Nothing is left to run or to send until the next build.
    m_flags.CanRun = false;
    m_flags.CanUpload = false;
}

void frmMain::saveSource()
{
    // The log says how the save went.
    mnuFileSave_Click(m_services, project());
}

void frmMain::OpenProject(const QString &name)
{
    runAction([this, &name] { takeProject(OpenProjectIntoEditor(m_services, name)); });
}

// An opened project is the actions' target from now on, with all three
// actions allowed.
void frmMain::takeProject(const std::optional<OpenedProject> &opened)
{
    if (!opened)
        return;
    m_project = opened;
    m_flags = {true, true, true};
    sbStatusBar->setBudget({});
    showProject();
    // The user opened it to type.
    activateWindow();
    SourceCode->setFocus();
}

void frmMain::setBusyCursor()
{
    if (m_busy++ == 0)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void frmMain::restoreCursor()
{
    if (m_busy > 0 && --m_busy == 0)
        QGuiApplication::restoreOverrideCursor();
}

void frmMain::processEvents()
{
    // During Build, Run or Upload the input filter drops the input and lets
    // Esc stop the action; otherwise input waits until the handler is done.
    QCoreApplication::processEvents(m_inputBlocked ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

// Build takes the busy pointer for its whole road, Run and Upload leave the
// pointer to the emulator and the user; the status bar names each.
void frmMain::actionStarted(ActionKind action)
{
    static const char *const activities[] = {"ビルド中", "実行中", "アップロード中"};
    sbStatusBar->setActivity(QString::fromUtf8(activities[int(action)]));
    if (action == ActionKind::Build)
        setBusyCursor();
}

void frmMain::toolStarting()
{
    processEvents();
}

void frmMain::actionEnded(ActionKind action)
{
    if (action == ActionKind::Build)
        restoreCursor();
    sbStatusBar->setActivity(QString());
}

// The source file is read and written under the busy pointer; a question
// meanwhile shows the arrow.
Result<std::optional<QString>> frmMain::read(const QString &path)
{
    setBusyCursor();
    Result<std::optional<QString>> text = m_sourceText.read(path);
    restoreCursor();
    return text;
}

SaveOutcome frmMain::save(const QString &path)
{
    setBusyCursor();
    const SaveOutcome saved = m_sourceText.save(path);
    restoreCursor();
    return saved;
}
