#include "program/entry.h"
#include "app/window_placement.h"
#include "dialog_driver.h"
#include "project_sandbox.h"
#include "ui/log_formatter.h"
#include "ui/main_status_bar.h"
#include "ui/main_window.h"
#include "ui/picture_button.h"
#include "ui/source_editor.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>

namespace {

class MemoryPlacementStore : public PlacementStore
{
public:
    QHash<QString, QString> values;
    std::optional<QString> value(const QString &key) const override
    {
        return values.contains(key) ? std::optional<QString>(values.value(key)) : std::nullopt;
    }
    void setValue(const QString &key, const QString &value) override { values[key] = value; }
};

// The main window over the sandbox's project, with Hello's archive and descriptor built.
struct Fixture {
    ProjectSandbox box;
    FakeCommandRunnerFactory runners;
    FakeFtpClientFactory ftp;
    MemoryPlacementStore placement;
    std::unique_ptr<frmMain> window;
    std::function<void()> during = [] {};  // runs while a tool or a transfer is under way

    explicit Fixture(UiLanguage language = UiLanguage::Japanese)
    {
        box.writeFile(QStringLiteral("bin/Hello.jar"), "PK");
        box.writeFile(QStringLiteral("bin/Hello.jam"), "AppClass = Hello\r\n");
        runners.answer = [this](const QString &) {
            during();
            return CommandResult{};
        };
        ftp.onCreate = [this] { during(); };
        window = std::make_unique<frmMain>(box.store, runners, ftp, box.clock, placement, language);
    }
    // Loaded and shown as at start-up, with the sandbox's project open and
    // the log emptied again.
    bool show()
    {
        if (!window->Form_Load())
            return false;
        window->show();
        window->OpenProject(box.name());
        window->log().clear();
        return window->session().ProjectLoaded() && QTest::qWaitForWindowExposed(window.get());
    }
    template <typename T>
    T *child(const char *name) const { return window->findChild<T *>(QLatin1String(name)); }
    void press(const char *button) { QTest::mouseClick(child<PictureButton>(button), Qt::LeftButton); }
};

// Input as the window system queues it, delivered at the next turn of the loop.
void postClick(QWidget *target)
{
    const QPointF at(5, 5);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                            Qt::NoModifier));
}

void postKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = {})
{
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, modifiers, text));
}

// Each item as the menu shows it: its text, a tab and its first key.
QStringList visibleMenuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty())
            text += QLatin1Char('\t') + action->shortcut().toString();
        texts << text + (action->isVisible() ? "" : " (hidden)");
    }
    return texts;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void menusInEachLanguage_data();
    void menusInEachLanguage();
    void placementIsKeptUnlessMinimised_data();
    void placementIsKeptUnlessMinimised();
    void logHoldsTheTextAndShowsItsEnd();
    void editorGivesBackCrLf_data();
    void editorGivesBackCrLf();
    void anyMouseButtonSwapsThePicture_data();
    void anyMouseButtonSwapsThePicture();
    void inputDuringAnActionIsDropped_data();
    void inputDuringAnActionIsDropped();
    void stoppingAnAction_data();
    void stoppingAnAction();
    void statusTexts_data();
    void statusTexts();
    void commandsWhileADialogWaits_data();
    void commandsWhileADialogWaits();
    void compileErrorsAreMarkedAndWalked();
    void qtTextsInJapanese();
};

void MainWindowTest::menusInEachLanguage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("menuBar");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("edit");
    QTest::addColumn<QStringList>("search");
    QTest::addColumn<QStringList>("run");
    QTest::addColumn<QStringList>("help");
    QTest::newRow("Japanese") << false
                              << QStringList{"ファイル(&F)", "編集(&E)", "検索(&S)", "実行(&R)", "ヘルプ(&H)"}
                              << QStringList{"プロジェクトの新規作成(&N)\tCtrl+N", "プロジェクトを開く(&O)...", "-",
                                             "保存(&S)\tCtrl+S", "新しいクラス(&L)...", "ファイルの削除", "ビルド結果の削除(&D)...", "プロジェクトの設定(&T)...", "ケータイで開くアドレス(&Q)...", "-", "プロパティ(&I)", "-", " (hidden)", " (hidden)",
                                             " (hidden)", "- (hidden)", "終了(&X)"}
                              << QStringList{"切り取り(&T)\tCtrl+X", "コピー(&C)\tCtrl+C", "貼り付け(&P)\tCtrl+V", "-",
                                             "元に戻す(&U)\tCtrl+Z", "やり直し(&R)\tCtrl+Y", "すべて選択(&A)\tCtrl+A"}
                              << QStringList{"検索(&F)...\tCtrl+F", "置換(&R)...\tCtrl+H", "ファイルから検索(&I)...\tCtrl+Shift+F", "行へ移動(&G)...\tCtrl+G", "-",
                                             "次のエラー(&N)\tF8", "前のエラー(&P)\tShift+F8"}
                              << QStringList{"ビルドして実行\tF5", "実行の停止\tShift+F5", "エミュレータを前面に\tCtrl+F5"}
                              << QStringList{"目次(&C)\tF1", "-", "バージョン情報(&A)"};
    QTest::newRow("English") << true << QStringList{"File", "Edit", "Search", "Run", "Help"}
                             << QStringList{"New", "Open", "-", "Save", "New Class...", "Remove File", "Clean...", "Project Settings...", "Phone Address...", "-", "Properties", "-", " (hidden)",
                                            " (hidden)", " (hidden)", "- (hidden)", "Exit"}
                             << QStringList{"Cut", "Copy", "Paste", "-", "Undo", "Redo", "Select All"}
                             << QStringList{"Find...", "Replace...", "Find in Files...", "Go to Line...", "-", "Next Error", "Previous Error"}
                             << QStringList{"Build and Run", "Stop", "Bring Emulator to Front"}
                             << QStringList{"Index", "-", "Version"};
}

void MainWindowTest::menusInEachLanguage()
{
    QFETCH(bool, english);
    QFETCH(QStringList, menuBar);
    QFETCH(QStringList, file);
    QFETCH(QStringList, edit);
    QFETCH(QStringList, search);
    QFETCH(QStringList, run);
    QFETCH(QStringList, help);
    Fixture f(english ? UiLanguage::English : UiLanguage::Japanese);
    QVERIFY(f.window->Form_Load());
    QStringList bar;
    for (QAction *action : f.window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, menuBar);
    // The Japanese row shows the keys too, as the menus do.
    const auto texts = [&](const char *menu) {
        QStringList items = visibleMenuTexts(f.window->findChild<QMenu *>(QLatin1String(menu)));
        if (english)
            for (QString &item : items)
                item = item.section(QLatin1Char('\t'), 0, 0);
        return items;
    };
    QCOMPARE(texts("mnuFile"), file);
    QCOMPARE(texts("mnuEdit"), edit);
    QCOMPARE(texts("mnuSearch"), search);
    QCOMPARE(texts("mnuRun"), run);
    QCOMPARE(texts("mnuHelp"), help);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Quenvel"));
}

void MainWindowTest::placementIsKeptUnlessMinimised_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::addColumn<QStringList>("stored");  // MainLeft, MainTop, MainWidth, MainHeight after closing
    QTest::newRow("shown: the frame is stored in twips") << false << QStringList{"3000", "2010", "6585", "8490"};
    QTest::newRow("minimised: nothing is stored") << true << QStringList{"3000", "2010", "", ""};
}

void MainWindowTest::placementIsKeptUnlessMinimised()
{
    QFETCH(bool, minimised);
    QFETCH(QStringList, stored);
    Fixture f;
    f.placement.values = {{"MainLeft", "3000"}, {"MainTop", "2010"}};
    QVERIFY(f.show());
    QCOMPARE(f.window->frameGeometry().topLeft(), QPoint(200, 134));
    f.window->resize(200, 200);  // the size is fixed
    if (minimised) {
        f.window->showMinimized();
        QTRY_VERIFY(f.window->isMinimized());
    }
    QVERIFY(f.window->close());
    QStringList values;
    for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
        values << f.placement.values.value(QLatin1String(key));
    QCOMPARE(values, stored);
}

void MainWindowTest::logHoldsTheTextAndShowsItsEnd()
{
    Fixture f;
    QVERIFY(f.show());
    auto *log = f.child<QPlainTextEdit>("Log");
    for (const char *text : {"a\r\n", "b\r\r\nc", "\r\n"})
        f.window->log().append(QLatin1String(text));
    QCOMPARE(f.window->log().text(), QStringLiteral("a\r\nb\r\r\nc\r\n"));
    QTRY_COMPARE(log->toPlainText(), QStringLiteral("a\nb\nc\n"));
    for (int i = 0; i < 200; ++i)
        f.window->log().append(QStringLiteral("line %1\r\n").arg(i));
    log->verticalScrollBar()->setValue(0);
    f.window->log().append(QStringLiteral("newest\r\n"));
    QTRY_VERIFY(log->toPlainText().endsWith(QStringLiteral("newest\n")));
    QCOMPARE(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
    QCOMPARE(log->textCursor().position(), log->document()->characterCount() - 1);
    f.window->log().clear();
    QCOMPARE(f.window->log().text(), QString());
    QTRY_COMPARE(log->toPlainText(), QString());
}

void MainWindowTest::editorGivesBackCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF lines") << "a\r\nb\r\n" << "a\r\nb\r\n";
    QTest::newRow("no final line end") << "a\r\nb" << "a\r\nb";
    QTest::newRow("non-breaking space stays") << QStringLiteral("a\u00A0b\r\n") << QStringLiteral("a\u00A0b\r\n");
    // Shift+Enter puts a line separator into the block; neither it nor the
    // paragraph separator may reach the file.
    QTest::newRow("soft line break") << QStringLiteral("a\u2028b\r\n") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("paragraph separator") << QStringLiteral("a\u2029b") << QStringLiteral("a\r\nb");
}

void MainWindowTest::editorGivesBackCrLf()
{
    QFETCH(QString, text);
    Fixture f;
    f.window->editor().setSourceText(text);
    QTEST(f.window->editor().sourceText(), "expected");
}

void MainWindowTest::anyMouseButtonSwapsThePicture_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << Qt::LeftButton << 1;
    QTest::newRow("right") << Qt::RightButton << 0;
    QTest::newRow("middle") << Qt::MiddleButton << 0;
}

void MainWindowTest::anyMouseButtonSwapsThePicture()
{
    QFETCH(Qt::MouseButton, button);
    Fixture f;
    f.window->show();
    auto *run = f.child<PictureButton>("Run");
    int clicked = 0;
    connect(run, &PictureButton::clicked, this, [&] { ++clicked; });
    QTest::mousePress(run, button);
    QVERIFY(run->isShowingPressed());
    QTest::mouseRelease(run, button);
    QVERIFY(!run->isShowingPressed());
    QTEST(clicked, "clicks");
}

void MainWindowTest::inputDuringAnActionIsDropped_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("queued");  // held back until the action ends, or delivered during it
    QTest::addColumn<int>("commands");
    QTest::addColumn<int>("puts");
    QTest::newRow("three clicks on Run, queued while Run runs") << "Run" << "click Run" << true << 1 << 0;
    QTest::newRow("a click on Run, delivered while Build runs") << "Compile" << "click Run" << false << 3 << 0;
    QTest::newRow("three clicks on Upload, queued while it runs") << "Upload" << "click Upload" << true << 0 << 3;
    QTest::newRow("typing into the editor, delivered while Run runs") << "Run" << "type" << false << 1 << 0;
    QTest::newRow("typing into the editor, queued while Upload runs") << "Upload" << "type" << true << 0 << 3;
    QTest::newRow("Ctrl+C, queued while Build runs") << "Compile" << "Ctrl+C" << true << 3 << 0;
}

void MainWindowTest::inputDuringAnActionIsDropped()
{
    QFETCH(QString, button);
    QFETCH(QString, input);
    QFETCH(bool, queued);
    QFETCH(int, commands);
    QFETCH(int, puts);
    Fixture f;
    QVERIFY(f.show());
    f.window->editor().setSourceText(QStringLiteral("class Hello {}\r\n"));
    auto *source = f.child<QPlainTextEdit>("SourceCode");
    source->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    bool posted = false;
    f.during = [&] {
        if (std::exchange(posted, true))
            return;
        for (int i = 0; i < 3; ++i) {
            if (input.startsWith(QLatin1String("click ")))
                postClick(f.child<QWidget>(qPrintable(input.mid(6))));
            else if (input == QLatin1String("type"))
                postKey(source, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            else
                postKey(source, Qt::Key_C, Qt::ControlModifier);
        }
        if (!queued)
            QCoreApplication::processEvents();
    };

    f.press(qPrintable(button));
    // Input still queued is behind this in the queue.
    bool delivered = false;
    QMetaObject::invokeMethod(qApp, [&delivered] { delivered = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(delivered);

    QCOMPARE(f.runners.commands.size(), commands);
    QCOMPARE(f.ftp.putCount(), puts);
    QCOMPARE(f.window->editor().sourceText(), QStringLiteral("class Hello {}\r\n"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    const QWidgetList windows = QApplication::topLevelWidgets();
    // No replayed click opened a window; an upload's own address window may show.
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(), [](QWidget *w) {
                 return w->isVisible() && w->objectName() != QLatin1String("dlgPhoneAddress");
             }), 1);
}

void MainWindowTest::stoppingAnAction_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("stops");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc stops the transfer") << "Esc" << 1 << false;
    QTest::newRow("close box, Yes: stop, then close") << "Yes" << 1 << true;
    QTest::newRow("close box, No: go on, stay open") << "No" << 0 << false;
}

void MainWindowTest::stoppingAnAction()
{
    QFETCH(QString, how);
    QFETCH(int, stops);
    QFETCH(bool, closes);
    Fixture f;
    QVERIFY(f.show());
    QString question;
    f.during = [&] {
        if (how == QLatin1String("Esc")) {
            postKey(f.child<QWidget>("SourceCode"), Qt::Key_Escape);
            QCoreApplication::processEvents();
            return;
        }
        QTimer::singleShot(0, qApp, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            question = box->windowTitle() + QLatin1Char('|') + box->text();
            box->button(how == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        f.window->close();
        QVERIFY(f.window->isVisible());
    };

    f.press("Upload");

    QCOMPARE(f.runners.stops, stops);
    QCOMPARE(f.ftp.aborts, stops);
    QCOMPARE(question, how == QLatin1String("Esc") ? QString() : QStringLiteral("Quenvel|実行中の処理を中止して終了しますか?"));
    QTRY_COMPARE(f.window->isVisible(), !closes);
}

void MainWindowTest::statusTexts_data()
{
    QTest::addColumn<QString>("flags");  // ProjectLoaded, CanRun, CanUpload
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("during");  // empty: the action does not start; " busy": the busy pointer shows
    QTest::addColumn<QString>("after");
    // Which of Build, Run and Upload look able to act, during and after: a
    // button that cannot act now is greyed.
    QTest::addColumn<QString>("looks");
    QTest::newRow("Build with no project open") << "000" << "Compile" << "" << "プロジェクトが開かれていません。" << "|---";
    QTest::newRow("Run with no project open") << "000" << "Run" << "" << "プロジェクトが開かれていません。" << "|---";
    QTest::newRow("Run before a build") << "100" << "Run" << "" << "先にビルドしてください。" << "|B--";
    QTest::newRow("Upload before a run") << "110" << "Upload" << "" << "先に実行してください。" << "|BR-";
    QTest::newRow("Build names itself, busy") << "111" << "Compile" << "ビルド中 busy" << "ｽﾃｰﾀｽ" << "---|BRU";
    // The emulator is the user's to use.
    QTest::newRow("Run names itself, not busy") << "111" << "Run" << "実行中" << "ｽﾃｰﾀｽ" << "BRU|BRU";
    QTest::newRow("Upload names itself, not busy") << "111" << "Upload" << "アップロード中" << "ｽﾃｰﾀｽ" << "---|BRU";
}

void MainWindowTest::statusTexts()
{
    QFETCH(QString, flags);
    QFETCH(QString, button);
    Fixture f;
    f.window->show();
    if (flags[0] == '1')
        f.window->OpenProject(f.box.name());
    f.window->session().flags() = {flags[1] == '1', flags[2] == '1'};
    QStringList seen;
    const auto looks = [&] {
        QString letters;
        for (const char *name : {"Compile", "Run", "Upload"})
            letters += f.child<PictureButton>(name)->isActionable() ? QLatin1Char(name[0] == 'C' ? 'B' : name[0]) : QLatin1Char('-');
        return letters;
    };
    QString looked;
    f.during = [&] {
        seen << f.window->statusText() + (QGuiApplication::overrideCursor() ? " busy" : "");
        if (looked.isEmpty())
            looked = looks();
    };

    f.press(qPrintable(button));

    QTEST(seen.value(0), "during");
    QTEST(looked + QLatin1Char('|') + looks(), "looks");
    QTEST(f.window->statusText(), "after");
    QVERIFY(!QGuiApplication::overrideCursor());
    // A note why nothing ran gives way to the plain status again; the one
    // that names a step to take first stays until the next command.
    if (QTest::currentDataTag() == QLatin1String("Run before a build"))
        QTRY_COMPARE_WITH_TIMEOUT(f.window->statusText(), QStringLiteral("ｽﾃｰﾀｽ"), 2 * MainStatusBar::kNoteMilliseconds);
    if (QTest::currentDataTag() == QLatin1String("Upload before a run")) {
        QTest::qWait(MainStatusBar::kNoteMilliseconds + 1000);
        QTEST(f.window->statusText(), "after");
        f.window->findChild<QAction *>(QStringLiteral("mnuEditSelectAll"))->trigger();
        QCOMPARE(f.window->statusText(), QStringLiteral("ｽﾃｰﾀｽ"));
    }
}

void MainWindowTest::commandsWhileADialogWaits_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("status");  // empty: the window closes
    QTest::newRow("Build brings the chooser forward") << "Compile" << "ダイアログが開いています。";
    QTest::newRow("Ctrl+N brings the chooser forward") << "mnuFileNew" << "ダイアログが開いています。";
    QTest::newRow("the close box ends the chooser, then closes") << "close" << "";
}

void MainWindowTest::commandsWhileADialogWaits()
{
    QFETCH(QString, command);
    QFETCH(QString, status);
    Fixture f;
    f.window->show();
    DialogDriver messages;
    QString seen;
    QTimer::singleShot(0, f.window.get(), [&] {
        QWidget *chooser = f.child<QWidget>("frmProject");
        QVERIFY(chooser && chooser->isVisible());
        if (command == QLatin1String("close"))
            return void(f.window->close());
        command == QLatin1String("Compile") ? f.press("Compile") : f.child<QAction>("mnuFileNew")->trigger();
        seen = f.window->statusText();
        QVERIFY(chooser->isVisible());
        chooser->close();
    });

    f.child<QAction>("mnuFileOpen")->trigger();

    QCOMPARE(f.runners.commands.size(), 0);
    QVERIFY(!f.child<QWidget>("dlgNewProject"));
    QCOMPARE(seen, status);
    QTRY_COMPARE(f.window->isVisible(), !status.isEmpty());
}

void MainWindowTest::compileErrorsAreMarkedAndWalked()
{
    Fixture f;
    QVERIFY(f.show());
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    const QString japaneseLine = QStringLiteral("        String title = \"こんにちは、世界\"; int w = width;");
    f.window->editor().setSourceText(QStringLiteral("import com.nttdocomo.ui.*;\r\n\r\npublic class Hello extends IApplication {\r\n"
                                           "    public void start() {\r\n") + japaneseLine +
                            QStringLiteral("\r\n\tint\th = height;\r\n    }\r\n}\r\n"));
    // The stand-in compiler's report of this source.
    const QString report = QStringLiteral("src/Hello.java:5: width cannot be resolved to a variable\n") + japaneseLine +
                           QStringLiteral("\n                                           ^\n"
                                          "src/Hello.java:6: height cannot be resolved to a variable\n"
                                          "\tint\th = height;\n\t   \t    ^\n2 errors\n");
    bool compileFails = true;
    f.runners.answer = [&](const QString &line) {
        return line.contains(QLatin1String("javac")) && compileFails ? CommandResult{1, report} : CommandResult{};
    };
    auto *source = f.child<SourceEditor>("SourceCode");
    const auto place = [source] {
        const QTextCursor cursor = source->textCursor();
        return QStringLiteral("%1:%2").arg(cursor.blockNumber() + 1).arg(cursor.positionInBlock() + 1);
    };

    QTest::keyClick(f.window.get(), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(f.window->statusText(), QStringLiteral("エラー 2件 (F8で移動)"));
    QCOMPARE(source->lineMarkMessage(5), QStringLiteral("width cannot be resolved to a variable"));
    QCOMPARE(place(), QStringLiteral("1:1"));
    QStringList walked;
    for (const auto modifier : {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier}) {
        QTest::keyClick(source, Qt::Key_F8, modifier);
        walked << place();
    }
    // Column 44 is after the eight Japanese characters, counted as characters.
    QCOMPARE(walked, QStringList({"5:44", "6:10", "5:44", "6:10"}));

    // The caret line of the first error, double-clicked in the log.
    auto *log = f.child<LogPane>("Log");
    const int caretLine = int(log->toPlainText().split(QLatin1Char('\n')).indexOf(
        QStringLiteral("                                           ^")));
    const QTextCursor onCaret(log->document()->findBlockByNumber(caretLine));
    QTest::mouseDClick(log->viewport(), Qt::LeftButton, {}, log->cursorRect(onCaret).center());
    QCOMPARE(place(), QStringLiteral("5:44"));
    QVERIFY(source->hasFocus());

    QTest::keyClick(source, Qt::Key_Z);
    QCOMPARE(source->lineMarkMessage(5), QString());
    QCOMPARE(f.window->statusText(), QStringLiteral("エラー 1件 (F8で移動)"));
    compileFails = false;
    QTest::keyClick(f.window.get(), Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(source->lineMarkCount(), 0);
    QCOMPARE(f.window->statusText(), QStringLiteral("ｽﾃｰﾀｽ"));
}

// Last: the translation stays installed for the rest of the program.
void MainWindowTest::qtTextsInJapanese()
{
    if (!installQtTranslation(*qApp, UiLanguage::Japanese))
        QSKIP("Qt's Japanese translation is not installed");
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
    Fixture f;
    std::unique_ptr<QMenu> menu(f.child<QPlainTextEdit>("Log")->createStandardContextMenu());
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"コピー(&C)\tCtrl+C", "", "すべてを選択\tCtrl+A"}));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
