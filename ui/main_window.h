#pragma once

#include "app/asker.h"
#include "app/captions.h"
#include "app/result.h"
#include "app/source_document.h"
#include "app/workbench.h"
#include "build/compiler_messages.h"
#include "build/session_events.h"
#include "session/project_session.h"
#include "ui/source_text.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class Clock;
class CommandRunnerFactory;
class FindBar;
class FtpClientFactory;
class LogPane;
class PictureButton;
class MainStatusBar;
class PlacementStore;
class QPlainTextEdit;
class QTimer;
class SettingsStore;
class SourceEditor;
class dlgNewProject;
class frmOptions;
class frmProject;

// The main window: the three picture buttons, the source editor, the log
// pane, the menus and the status bar. Its slots forward to the project
// session; it shows what the session reports and answers its questions.
class frmMain : public QMainWindow, public Workbench, public Asker, public SessionEvents, private SourceDocument
{
    Q_OBJECT
public:
    frmMain(SettingsStore &store, CommandRunnerFactory &runners, FtpClientFactory &ftp,
            const Clock &clock, PlacementStore &placement, UiLanguage language);
    ~frmMain() override;

    // The load handler: settings, flags, captions, placement and start size.
    // The settings are read again; the result says whether they could be.
    Result<> Form_Load();
    void SaveWindowPlacement();
    // Opens the project as File > Open project does with a name.
    void OpenProject(const QString &name);

    // The log as the pane shows it, once it has caught up.
    QString logText() const { return m_logText; }
    void appendLog(const QString &text);
    void clearLog();
    void report(const Event &event) override;
    QString sourceText() const override;
    void setSourceText(const QString &text) override;
    bool isSourceModified() const override;
    void setSourceModified(bool modified) override;
    void showMessage(const QString &text) override;
    SaveAnswer askSaveChanges() override;
    bool askYesNo(const QString &question, Default answer = Default::Yes) override;
    QString chooseProject(const QString &listingPattern, const QString &current) override;
    QString createNewProject() override;
    std::optional<ProjectSettings> editProjectSettings(const QString &name, const ProjectSettings &settings) override;

    ProjectSession &session() { return m_session; }
    QString statusText() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void actionStarted(ActionKind action);
    Result<std::optional<QString>> read(const QString &path) override;
    SaveOutcome save(const QString &path) override;

    void setBusyCursor();
    void restoreCursor();
    void processEvents();
    void projectOpened(bool opened);
    void createControls();
    void createMenus();
    void createStatusBar();
    void connectButtons();
    void showPhoneAddress();
    bool phoneAddressAfterUpload() const;
    // The open project and its target profile in the status bar.
    void showProject();
    void addWindowKey(const QString &name, const QKeySequence &key, const std::function<void()> &slot);
    void Form_Resize();
    void Log_Change();
    void flushLog();
    void applyStartPlacement();
    void frameMayHaveChanged();
    void watchForFrame();
    void closeOtherWindows();
    bool askStopAndClose();
    void stopAction();
    void runAction(const std::function<void()> &action);
    // A command of the session, or the note why it does nothing now.
    void runCommand(ProjectSession::Command command, const std::function<void()> &action);
    void pressButton(ProjectSession::Command command, const std::function<void()> &action);
    bool bringWaitingDialogForward();
    QWidget *waitingDialog() const;
    QSize frameExtra() const;

    void mnuFileProperties_Click();
    void mnuHelpAbout_Click();

    void build();
    void upload();

    // Reaching the compile errors, and lines.
    void markCompileError(CompilerMessage error);
    void markErrorsInLog();
    void goToLogLine(int line);
    void goToError(bool forward);
    void askLineAndGo();

    SettingsStore &m_store;
    PlacementStore &m_placement;
    UiLanguage m_language;
    SourceText m_sourceText{*this, *this, *this};
    ProjectSession m_session;
    QString m_logText;
    QString m_pendingLog;
    QTimer *m_logFlush = nullptr;
    int m_busy = 0;  // nested: an action's, a save's inside it
    bool m_busyForPress = false;
    bool m_inputBlocked = false;
    bool m_closePending = false;
    bool m_askingToStop = false;
    // The start placement is the outer one, so it is made good once the
    // window manager has told the frame's size.
    bool m_startPending = false;
    QPoint m_startPosition;
    QSize m_knownFrame{0, 0};

    PictureButton *Compile = nullptr;
    PictureButton *Run = nullptr;
    PictureButton *Upload = nullptr;
    SourceEditor *SourceCode = nullptr;
    LogPane *Log = nullptr;
    FindBar *m_findBar = nullptr;
    QList<CompilerMessage> m_compileErrors;  // those in the source file, as the last build logged them
    int m_outputStart = -1;  // the log's line where the last tool's output began
    MainStatusBar *sbStatusBar = nullptr;
    QPointer<frmProject> m_chooser;
    QPointer<dlgNewProject> m_newProject;
    QPointer<frmOptions> m_options;
};
