#pragma once

#include "app/captions.h"
#include "app/result.h"
#include "build/session_events.h"
#include "session/project_session.h"
#include "ui/busy_pointer.h"
#include "ui/file_commands.h"
#include "ui/main_dialogs.h"
#include "ui/main_status_bar.h"
#include "ui/run_controls.h"
#include "ui/source_text.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class Clock;
class CommandRunnerFactory;
class EditorTabs;
class FtpClientFactory;
class LogFormatter;
class LogPane;
class PictureButton;
class MainStatusBar;
class PlacementStore;
class SettingsStore;
class SourceEditor;
class StartPlacement;
class frmOptions;

// The main window: the three picture buttons, the source editor, the log
// pane, the menus and the status bar. Its commands go to the project
// session; it shows what the session reports.
class frmMain : public QMainWindow, public SessionEvents
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

    void report(const Event &event) override;
    ProjectSession &session() { return m_session; }
    SourceEditor &editor() { return *SourceCode; }
    LogFormatter &log() { return *m_log; }
    Asker &dialogs() { return m_dialogs; }
    QString statusText() const { return sbStatusBar->text(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void processEvents();
    void projectOpened(bool opened);
    void createControls();
    void createMenus();
    void createStatusBar();
    void connectButtons();
    void showPhoneAddress();
    // The open project and its target profile in the status bar.
    void showProject();
    void addWindowKey(const QString &name, const QKeySequence &key, const std::function<void()> &slot);
    void Form_Resize();
    bool askStopAndClose();
    void runAction(const std::function<void()> &action);
    // A command of the session, or the note why it does nothing now.
    void runCommand(ProjectSession::Command command, const std::function<void()> &action);
    void pressButton(ProjectSession::Command command, const std::function<void()> &action);
    bool bringWaitingDialogForward();

    void build(bool andRun = false);
    void upload();



    SettingsStore &m_store;
    PlacementStore &m_placement;
    UiLanguage m_language;
    MainDialogs m_dialogs{this, m_store};
    BusyPointer m_busy;
    SourceEditor *SourceCode;
    EditorTabs *m_tabs;
    BusySourceDocument m_document;
    ProjectSession m_session;
    FileCommands m_fileCommands{this, m_session, *m_tabs, SourceCode};
    bool m_busyForPress = false;
    bool m_inputBlocked = false;
    bool m_closePending = false;
    bool m_askingToStop = false;
    bool m_lastActionSucceeded = false;
    StartPlacement *m_start = nullptr;

    PictureButton *Compile = nullptr;
    PictureButton *Run = nullptr;
    PictureButton *Upload = nullptr;
    LogPane *Log = nullptr;
    LogFormatter *m_log = nullptr;
    MainStatusBar *sbStatusBar = nullptr;
    RunControls *m_runControls = nullptr;
    QPointer<frmOptions> m_options;
};
