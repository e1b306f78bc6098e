#include "ui/main_window.h"

#include "app/caption_rule.h"
#include "app/line_ends.h"
#include "app/message_box.h"
#include "app/settings_store.h"
#include "app/svg_picture.h"
#include "app/window_placement.h"
#include "build/command_runner.h"
#include "deploy/options_dialog.h"
#include "deploy/phone_address_dialog.h"
#include "deploy/upload.h"
#include "project/new_project_dialog.h"
#include "project/open_project.h"
#include "project/project_chooser.h"
#include "ui/about_dialog.h"
#include "ui/edit_commands.h"
#include "ui/find_bar.h"
#include "ui/help_window.h"
#include "ui/log_formatter.h"
#include "ui/main_status_bar.h"
#include "ui/picture_button.h"
#include "ui/source_editor.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>

namespace {

void setUpPane(QPlainTextEdit *pane, const QString &name)
{
    pane->setObjectName(name);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

QLabel *makeDecoration(QWidget *parent, const QString &name, const QString &resource, int leftTwips, int topTwips)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(renderPicture(resource, QSize(32, 32), parent->devicePixelRatioF()));
    picture->setGeometry(toPixels(leftTwips), toPixels(topTwips), 32, 32);
    return picture;
}

} // namespace

frmMain::frmMain(SettingsStore &store, CommandRunnerFactory &runners, FtpClientFactory &ftp,
                 const Clock &clock, PlacementStore &placement, UiLanguage language)
    : m_store(store)
    , m_placement(placement)
    , m_language(language)
    , SourceCode(new SourceEditor)
    , m_sourceText(*SourceCode, m_dialogs, *this)
    , m_session(Services{store, *SourceCode, m_dialogs, m_document, *this, runners, ftp, clock})
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quenvel"));
    setWindowIcon(QIcon(QStringLiteral(":/images/quenvel.svg")));
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
    Compile = new PictureButton(QStringLiteral(":/images/compile_released.svg"),
                                QStringLiteral(":/images/compile_pressed.svg"), client);
    Compile->setObjectName(QStringLiteral("Compile"));
    Compile->move(0, 0);
    Run = new PictureButton(QStringLiteral(":/images/run_released.svg"),
                            QStringLiteral(":/images/run_pressed.svg"), client);
    Run->setObjectName(QStringLiteral("Run"));
    Run->move(toPixels(1680), 0);
    Upload = new PictureButton(QStringLiteral(":/images/upload_released.svg"),
                               QStringLiteral(":/images/upload_pressed.svg"), client);
    Upload->setObjectName(QStringLiteral("Upload"));
    Upload->move(toPixels(3360), 0);
    // The pictures carry no words: the tips name each button and its key.
    Compile->setToolTip(QStringLiteral("ビルド (Ctrl+B)"));
    Run->setToolTip(QStringLiteral("実行 (Ctrl+R)"));
    Upload->setToolTip(QStringLiteral("アップロード"));
    makeDecoration(client, QStringLiteral("Image1"), QStringLiteral(":/images/icon1.svg"), 5040, 120);
    makeDecoration(client, QStringLiteral("Image3"), QStringLiteral(":/images/icon3.svg"), 5520, 120);
    makeDecoration(client, QStringLiteral("Image2"), QStringLiteral(":/images/icon2.svg"), 6000, 0);

    SourceCode->setParent(client);
    setUpPane(SourceCode, QStringLiteral("SourceCode"));
    SourceCode->setGeometry(0, toPixels(600), toPixels(6495), toPixels(4815));
    Log = new LogPane(client);
    setUpPane(Log, QStringLiteral("Log"));
    Log->setGeometry(0, toPixels(5520), toPixels(6495), toPixels(2055));
    m_log = new LogFormatter(Log);
    connect(m_log, &LogFormatter::linkActivated, this, &frmMain::goToError);
    m_findBar = new FindBar(SourceCode);
    SourceCode->setBottomPanel(m_findBar);
}

void frmMain::createMenus()
{
    // Design captions are the caption ids; SetCaptionsFromResources puts the
    // texts in place when the window loads.
    auto addItem = [this](QMenu *menu, const QString &name, const QString &caption, auto slot,
                          QKeySequence shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this] { sbStatusBar->commandGiven(); });
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("1000"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    addItem(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("1001"),
            [this] { runAction([this] { projectOpened(m_session.createNew()); }); },
            QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(mnuFile, QStringLiteral("mnuFileOpen"), QStringLiteral("1002"),
            [this] { runAction([this] { projectOpened(m_session.openChosen()); }); });
    mnuFile->addSeparator();
    addItem(mnuFile, QStringLiteral("mnuFileSave"), QStringLiteral("1004"),
            [this] { runAction([this] { (void)m_session.save(); }); }, QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(mnuFile, QStringLiteral("mnuFileClean"), QStringLiteral("1032"),
            [this] { runCommand(ProjectSession::Command::Clean, [this] { m_session.clean(); }); });
    addItem(mnuFile, QStringLiteral("mnuFileProjectSettings"), QStringLiteral("1033"),
            [this] { runCommand(ProjectSession::Command::ProjectSettings, [this] { m_session.editSettings(); }); });
    addItem(mnuFile, QStringLiteral("mnuFilePhoneAddress"), QStringLiteral("1034"), [this] { showPhoneAddress(); });
    mnuFile->addSeparator();
    addItem(mnuFile, QStringLiteral("mnuFileProperties"), QStringLiteral("1007"),
            [this] { mnuFileProperties_Click(); });
    mnuFile->addSeparator();
    for (int i = 1; i <= 3; ++i) {
        QAction *recent = mnuFile->addAction(QString());
        recent->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        recent->setVisible(false);
    }
    QAction *recentSeparator = mnuFile->addSeparator();
    recentSeparator->setObjectName(QStringLiteral("mnuFileBar5"));
    recentSeparator->setVisible(false);
    addItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("1012"), [this] { close(); });

    QMenu *mnuEdit = menuBar()->addMenu(QStringLiteral("1013"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    addItem(mnuEdit, QStringLiteral("mnuEditCut"), QStringLiteral("1015"),
            [this] { CutToClipboard(SourceCode); }, QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(mnuEdit, QStringLiteral("mnuEditCopy"), QStringLiteral("1016"),
            [this] { CopyToClipboard(SourceCode); }, QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(mnuEdit, QStringLiteral("mnuEditPaste"), QStringLiteral("1017"),
            [this] { PasteFromClipboard(SourceCode); }, QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuEdit->addSeparator();
    addItem(mnuEdit, QStringLiteral("mnuEditUndo"), QStringLiteral("1014"), [this] { SourceCode->undo(); },
            QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction *redo = addItem(mnuEdit, QStringLiteral("mnuEditRedo"), QStringLiteral("1030"), [this] { SourceCode->redo(); });
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addItem(mnuEdit, QStringLiteral("mnuEditSelectAll"), QStringLiteral("1031"), [this] { SourceCode->selectAll(); },
            QKeySequence(Qt::CTRL | Qt::Key_A));

    QMenu *mnuSearch = menuBar()->addMenu(QStringLiteral("1024"));
    mnuSearch->setObjectName(QStringLiteral("mnuSearch"));
    addItem(mnuSearch, QStringLiteral("mnuSearchFind"), QStringLiteral("1025"), [this] { m_findBar->openFind(); },
            QKeySequence(Qt::CTRL | Qt::Key_F));
    addItem(mnuSearch, QStringLiteral("mnuSearchReplace"), QStringLiteral("1026"), [this] { m_findBar->openReplace(); },
            QKeySequence(Qt::CTRL | Qt::Key_H));
    addItem(mnuSearch, QStringLiteral("mnuSearchGoToLine"), QStringLiteral("1027"), [this] { askLineAndGo(); },
            QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuSearch->addSeparator();
    const auto nextError = [this](bool forward) {
        if (!SourceCode->goToNextLineMark(forward))
            sbStatusBar->showNote(QStringLiteral("エラーはありません。"));
    };
    addItem(mnuSearch, QStringLiteral("mnuSearchNextError"), QStringLiteral("1028"), [nextError] { nextError(true); },
            QKeySequence(Qt::Key_F8));
    addItem(mnuSearch, QStringLiteral("mnuSearchPreviousError"), QStringLiteral("1029"), [nextError] { nextError(false); },
            QKeySequence(Qt::SHIFT | Qt::Key_F8));

    QMenu *mnuHelp = menuBar()->addMenu(QStringLiteral("1019"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    addItem(mnuHelp, QStringLiteral("mnuHelpContents"), QStringLiteral("1020"),
            [this] { mnuHelpContents_Click(this); }, QKeySequence(Qt::Key_F1));
    mnuHelp->addSeparator();
    addItem(mnuHelp, QStringLiteral("mnuHelpAbout"), QStringLiteral("1022"), [this] { frmAbout(this).exec(); });
}

void frmMain::createStatusBar()
{
    sbStatusBar = new MainStatusBar(this);
    setStatusBar(sbStatusBar);
    connect(SourceCode->document(), &QTextDocument::modificationChanged, sbStatusBar, &MainStatusBar::setModified);
    connect(m_findBar, &FindBar::said, sbStatusBar, [this](const QString &note) { sbStatusBar->showNote(note); });
    connect(SourceCode, &CodeEditor::lineMarksChanged, this,
            [this] { sbStatusBar->setErrorCount(SourceCode->lineMarkCount()); });
}

QString frmMain::statusText() const
{
    return sbStatusBar->text();
}

void frmMain::connectButtons()
{
    using Command = ProjectSession::Command;
    const auto build = [this] { pressButton(Command::Build, [this] { this->build(); }); };
    connect(Compile, &PictureButton::clicked, this, build);
    addWindowKey(QStringLiteral("keyBuild"), QKeySequence(Qt::CTRL | Qt::Key_B), build);

    const auto run = [this] { pressButton(Command::Run, [this] { (void)m_session.run(); }); };
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

namespace {
const QString kPhoneAddressAfterUpload = QStringLiteral("ShowPhoneAddressAfterUpload");
}

// The user's own choice, off until made: the address is in the log anyway.
bool frmMain::phoneAddressAfterUpload() const
{
    return m_placement.value(kPhoneAddressAfterUpload).value_or(QString()) == QLatin1String("1");
}

// The last upload's address, where it can be copied or scanned.
void frmMain::showPhoneAddress()
{
    const QString address = m_session.lastPhoneAddress();
    if (address.isEmpty()) {
        sbStatusBar->showNote(QStringLiteral("まだアップロードしていません。"));
        return;
    }
    auto *dialog = new PhoneAddressDialog(address, phoneAddressAfterUpload(), [this](bool on) {
        m_placement.setValue(kPhoneAddressAfterUpload, on ? QStringLiteral("1") : QStringLiteral("0"));
    }, this);
    dialog->setObjectName(QStringLiteral("dlgPhoneAddress"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
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
    m_startPosition = QPoint(toPixels(readPlacementValue(m_placement, QStringLiteral("MainLeft"))),
                             toPixels(readPlacementValue(m_placement, QStringLiteral("MainTop"))));
    applyStartPlacement();
    m_startPending = true;
    return loaded;
}

void frmMain::closeOtherWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
}

void frmMain::mnuFileProperties_Click()
{
    if (!m_options) {
        m_options = new frmOptions(m_store);
        m_options->setAttribute(Qt::WA_DeleteOnClose);
        // It has no owner window, so nothing centres it over this one.
        m_options->adjustSize();
        m_options->move(frameGeometry().center() - m_options->rect().center());
    }
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}
