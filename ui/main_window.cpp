#include "ui/main_window.h"

#include "app/caption_rule.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "deploy/options_dialog.h"
#include "deploy/phone_address_dialog.h"
#include "ui/about_dialog.h"
#include "ui/edit_commands.h"
#include "ui/editor_tabs.h"
#include "ui/find_bar.h"
#include "ui/help_window.h"
#include "ui/log_formatter.h"
#include "ui/main_status_bar.h"
#include "ui/picture_button.h"
#include "ui/source_editor.h"
#include "ui/start_placement.h"

#include <QMenuBar>

frmMain::frmMain(SettingsStore &store, CommandRunnerFactory &runners, FtpClientFactory &ftp,
                 const Clock &clock, PlacementStore &placement, UiLanguage language)
    : m_store(store)
    , m_placement(placement)
    , m_language(language)
    , SourceCode(new SourceEditor)
    , m_tabs(new EditorTabs(SourceCode, m_dialogs, *this, m_session))
    , m_document{*m_tabs, m_busy}
    , m_session(Services{store, *SourceCode, m_dialogs, m_document, *this, runners, ftp, clock})
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quenvel"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quenvel.svg")));
    m_start = new StartPlacement(this, [this] { Form_Resize(); });
    createControls();
    createMenus();
    createStatusBar();
    connectButtons();
    m_dialogs.setBeforeSettings([this] { showProject(); });
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    // The pictures carry no words: the tips name each button and its key.
    const auto button = [client](const char *name, const char *picture, int leftTwips, const QString &tip) {
        auto *made = new PictureButton(QStringLiteral(":/images/%1_released.svg").arg(QLatin1String(picture)),
                                       QStringLiteral(":/images/%1_pressed.svg").arg(QLatin1String(picture)), client);
        made->setObjectName(QLatin1String(name));
        made->move(toPixels(leftTwips), 0);
        made->setToolTip(tip);
        return made;
    };
    Compile = button("Compile", "compile", 0, QStringLiteral("ビルド (Ctrl+B)"));
    Run = button("Run", "run", 1680, QStringLiteral("実行 (Ctrl+R)"));
    Upload = button("Upload", "upload", 3360, QStringLiteral("アップロード"));
    makePictureLabel(client, QStringLiteral("Image1"), QStringLiteral(":/images/icon1.svg"), QPoint(toPixels(5040), toPixels(120)));
    makePictureLabel(client, QStringLiteral("Image3"), QStringLiteral(":/images/icon3.svg"), QPoint(toPixels(5520), toPixels(120)));
    makePictureLabel(client, QStringLiteral("Image2"), QStringLiteral(":/images/icon2.svg"), QPoint(toPixels(6000), 0));

    setUpPane(SourceCode, QStringLiteral("SourceCode"));
    m_tabs->setParent(client);
    m_tabs->setGeometry(0, toPixels(600), toPixels(6495), toPixels(4815));
    Log = new LogPane(client);
    setUpPane(Log, QStringLiteral("Log"));
    Log->setGeometry(0, toPixels(5520), toPixels(6495), toPixels(2055));
    m_log = new LogFormatter(Log);
    connect(m_log, &LogFormatter::linkActivated, m_tabs, &EditorTabs::goToDiagnostic);
}

void frmMain::createMenus()
{
    // Design captions are the caption ids; SetCaptionsFromResources puts the
    // texts in place when the window loads.
    const auto addMenu = [this](const char *name, const char *caption) {
        QMenu *menu = menuBar()->addMenu(QLatin1String(caption));
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addItem = [this](QMenu *menu, const char *name, const char *caption, auto slot, QKeySequence shortcut = {}) {
        QAction *action = menu->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this] { sbStatusBar->commandGiven(); });
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    using Command = ProjectSession::Command;

    QMenu *mnuFile = addMenu("mnuFile", "1000");
    addItem(mnuFile, "mnuFileNew", "1001", [this] { runAction([this] { projectOpened(m_session.createNew()); }); },
            Qt::CTRL | Qt::Key_N);
    addItem(mnuFile, "mnuFileOpen", "1002", [this] { runAction([this] { projectOpened(m_session.openChosen()); }); });
    mnuFile->addSeparator();
    addItem(mnuFile, "mnuFileSave", "1004", [this] { runAction([this] { m_fileCommands.saveCurrent(); }); }, Qt::CTRL | Qt::Key_S);
    addItem(mnuFile, "mnuFileNewClass", "1039", [this] { runCommand(Command::ProjectSettings, [this] { m_fileCommands.newClass(); }); });
    addItem(mnuFile, "mnuFileRemove", "1047", [this] { runCommand(Command::ProjectSettings, [this] { m_fileCommands.removeCurrent(); }); });
    addItem(mnuFile, "mnuFileClean", "1032", [this] { runCommand(Command::Clean, [this] { m_session.clean(); }); });
    addItem(mnuFile, "mnuFileProjectSettings", "1033",
            [this] { runCommand(Command::ProjectSettings, [this] { m_session.editSettings(); }); });
    addItem(mnuFile, "mnuFilePhoneAddress", "1034", [this] { showPhoneAddress(); });
    mnuFile->addSeparator();
    addItem(mnuFile, "mnuFileProperties", "1007", [this] { m_options = frmOptions::showOver(m_options, m_store, this); });
    mnuFile->addSeparator();
    for (int i = 1; i <= 3; ++i) {
        QAction *recent = mnuFile->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        recent->setVisible(false);
    }
    QAction *recentSeparator = mnuFile->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("mnuFileBar5"));
    recentSeparator->setVisible(false);
    addItem(mnuFile, "mnuFileExit", "1012", [this] { close(); });

    QMenu *mnuEdit = addMenu("mnuEdit", "1013");
    addItem(mnuEdit, "mnuEditCut", "1015", [this] { CutToClipboard(m_tabs->current()); }, Qt::CTRL | Qt::Key_X);
    addItem(mnuEdit, "mnuEditCopy", "1016", [this] { CopyToClipboard(m_tabs->current()); }, Qt::CTRL | Qt::Key_C);
    addItem(mnuEdit, "mnuEditPaste", "1017", [this] { PasteFromClipboard(m_tabs->current()); }, Qt::CTRL | Qt::Key_V);
    mnuEdit->addSeparator();
    addItem(mnuEdit, "mnuEditUndo", "1014", [this] { m_tabs->current()->undo(); }, Qt::CTRL | Qt::Key_Z);
    QAction *redo = addItem(mnuEdit, "mnuEditRedo", "1030", [this] { m_tabs->current()->redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addItem(mnuEdit, "mnuEditSelectAll", "1031", [this] { m_tabs->current()->selectAll(); }, Qt::CTRL | Qt::Key_A);

    QMenu *mnuSearch = addMenu("mnuSearch", "1024");
    addItem(mnuSearch, "mnuSearchFind", "1025", [this] { m_tabs->findBar()->openFind(); }, Qt::CTRL | Qt::Key_F);
    addItem(mnuSearch, "mnuSearchReplace", "1026", [this] { m_tabs->findBar()->openReplace(); }, Qt::CTRL | Qt::Key_H);
    addItem(mnuSearch, "mnuSearchInFiles", "1048", [this] { runCommand(Command::ProjectSettings, [this] { m_fileCommands.findInFiles(); }); },
            Qt::CTRL | Qt::SHIFT | Qt::Key_F);
    addItem(mnuSearch, "mnuSearchGoToLine", "1027", [this] { m_fileCommands.askLineAndGo(); }, Qt::CTRL | Qt::Key_G);
    mnuSearch->addSeparator();
    const auto nextError = [this](bool forward) {
        if (!m_tabs->goToNextDiagnostic(forward))
            sbStatusBar->showNote(QStringLiteral("エラーはありません。"));
    };
    addItem(mnuSearch, "mnuSearchNextError", "1028", [nextError] { nextError(true); }, Qt::Key_F8);
    addItem(mnuSearch, "mnuSearchPreviousError", "1029", [nextError] { nextError(false); }, Qt::SHIFT | Qt::Key_F8);

    QMenu *mnuHelp = addMenu("mnuHelp", "1019");
    addItem(mnuHelp, "mnuHelpContents", "1020", [this] { mnuHelpContents_Click(this); }, Qt::Key_F1);
    mnuHelp->addSeparator();
    addItem(mnuHelp, "mnuHelpAbout", "1022", [this] { frmAbout(this).exec(); });
}

void frmMain::createStatusBar()
{
    sbStatusBar = new MainStatusBar(this);
    setStatusBar(sbStatusBar);
    connect(m_tabs, &EditorTabs::currentModifiedChanged, sbStatusBar, &MainStatusBar::setModified);
    connect(m_tabs, &EditorTabs::said, sbStatusBar, [this](const QString &note) { sbStatusBar->showNote(note); });
    connect(m_tabs, &EditorTabs::diagnosticsChanged, sbStatusBar, &MainStatusBar::setErrorCount);
}

void frmMain::connectButtons()
{
    using Command = ProjectSession::Command;
    const auto build = [this](bool andRun = false) { pressButton(Command::Build, [this, andRun] { this->build(andRun); }); };
    connect(Compile, &PictureButton::clicked, this, build);
    addWindowKey(QStringLiteral("keyBuild"), QKeySequence(Qt::CTRL | Qt::Key_B), build);
    m_runControls = new RunControls(this, m_session, *sbStatusBar, {Compile, Run, Upload}, [build] { build(true); });

    const auto run = [this] { pressButton(Command::Run, [this] { m_session.run(); }); };
    // The pointer shows the press; the emulator is then the user's to use.
    const auto pressed = [this] {
        if (!std::exchange(m_busyForPress, true))
            m_busy.take();
    };
    const auto released = [this] {
        if (std::exchange(m_busyForPress, false))
            m_busy.give();
    };
    connect(Run, &PictureButton::mouseDown, this, [this, pressed] { pressed(); processEvents(); });
    connect(Run, &PictureButton::mouseUp, this, [this, released] { released(); processEvents(); });
    connect(Run, &PictureButton::clicked, this, run);
    addWindowKey(QStringLiteral("keyRun"), QKeySequence(Qt::CTRL | Qt::Key_R), run);

    connect(Upload, &PictureButton::mouseDown, this, pressed);
    connect(Upload, &PictureButton::mouseUp, this, released);
    connect(Upload, &PictureButton::clicked, this, [this] { pressButton(Command::Upload, [this] { upload(); }); });
}

// The last upload's address, where it can be copied or scanned.
void frmMain::showPhoneAddress()
{
    if (const auto refusal = m_session.refusal(ProjectSession::Command::PhoneAddress); !refusal.text.isEmpty())
        sbStatusBar->showNote(refusal.text);
    else
        showPhoneAddressDialog(m_session.lastPhoneAddress(), m_placement, this);
}

// A key of the window's own, outside the menus.
void frmMain::addWindowKey(const QString &name, const QKeySequence &key, const std::function<void()> &slot)
{
    auto *action = new QAction(this);
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
}

Result<> frmMain::Form_Load()
{
    const Result<> loaded = m_store.LoadSettings();
    SetCaptionsFromResources(this, m_language);
    m_start->start(QPoint(toPixels(readPlacementValue(m_placement, QStringLiteral("MainLeft"))),
                          toPixels(readPlacementValue(m_placement, QStringLiteral("MainTop")))));
    return loaded;
}
