#pragma once

#include "app/captions.h"
#include "app/services.h"
#include "ui/workbench.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class Clock;
class CommandRunnerFactory;
class FtpClientFactory;
class PictureButton;
class PlacementStore;
class QLabel;
class QPlainTextEdit;
class QTimer;
class SettingsStore;
class frmOptions;
class frmProject;

// The main window: the three picture buttons, the source editor, the log
// pane, the menus and the status bar. Its slots forward to the actions.
class frmMain : public QMainWindow, public Workbench
{
    Q_OBJECT
public:
    frmMain(SettingsStore &store, CommandRunnerFactory &runners, FtpClientFactory &ftp,
            const Clock &clock, PlacementStore &placement, UiLanguage language);
    ~frmMain() override;

    // The load handler: settings, flags, captions, placement and start size.
    void Form_Load();
    void SaveWindowPlacement();

    QString logText() const override;
    void appendLog(const QString &text) override;
    void clearLog() override;
    QString sourceText() const override;
    void setSourceText(const QString &text) override;
    bool isSourceModified() const override;
    void setSourceModified(bool modified) override;
    WindowFlags &flags() override { return m_flags; }
    void setBusyCursor() override;
    void restoreCursor() override;
    void processEvents() override;
    void showMessage(const QString &text) override;
    SaveAnswer askSaveChanges() override;
    QString chooseProject(const QString &listingPattern) override;
    QString createNewProject() override;

    Services &services() { return m_services; }
    bool isActionRunning() const { return m_actionRunning; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createStatusBar();
    void connectButtons();
    void Form_Resize();
    void Log_Change();
    void flushLog();
    void applyStartSize();
    void closeOtherWindows();
    void runAction(const std::function<void()> &action);
    void updateClock();
    QSize frameExtra() const;

    void mnuFileProperties_Click();
    void mnuHelpAbout_Click();

    SettingsStore &m_store;
    PlacementStore &m_placement;
    UiLanguage m_language;
    Services m_services;
    WindowFlags m_flags;
    QString m_logText;
    QString m_pendingLog;
    QTimer *m_logFlush = nullptr;
    bool m_busy = false;
    bool m_actionRunning = false;
    bool m_closePending = false;
    bool m_startSizePending = false;

    PictureButton *Compile = nullptr;
    PictureButton *Run = nullptr;
    PictureButton *Upload = nullptr;
    QPlainTextEdit *SourceCode = nullptr;
    QPlainTextEdit *Log = nullptr;
    QLabel *m_datePanel = nullptr;
    QLabel *m_timePanel = nullptr;
    QPointer<frmProject> m_chooser;
    QPointer<frmOptions> m_options;
};
