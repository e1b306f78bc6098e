#include "app/settings_store.h"
#include "app/window_placement.h"
#include "fake_command_runner.h"
#include "fake_ftp_client.h"
#include "fixed_clock.h"
#include "ui/main_window.h"
#include "ui/picture_button.h"

#include <QAction>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

class MemoryPlacementStore : public PlacementStore
{
public:
    QHash<QString, QString> values;
    std::optional<QString> value(const QString &key) const override
    {
        const auto it = values.constFind(key);
        return it == values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    void setValue(const QString &key, const QString &value) override { values[key] = value; }
};

struct Fixture {
    QTemporaryDir dir;
    SettingsStore store{dir.path(), PathStyle::posix()};
    FakeCommandRunnerFactory runners;
    FakeFtpClientFactory ftp;
    FixedClock clock;
    MemoryPlacementStore placement;
    std::unique_ptr<frmMain> window;

    explicit Fixture(UiLanguage language = UiLanguage::Japanese)
    {
        store.setMessageHandler([](const QString &) {});
        window = std::make_unique<frmMain>(store, runners, ftp, clock, placement, language);
    }
};

QStringList visibleMenuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text()) + (action->isVisible() ? "" : " (hidden)");
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
    void shortcuts();
    void startsAtStoredPositionWithFixedSize();
    void logHoldsTheTextExactly();
    void logKeepsTheEndInView();
    void editorGivesBackCrLf_data();
    void editorGivesBackCrLf();
    void settingTheSourceCountsAsUnchanged();
    void anyMouseButtonSwapsThePicture_data();
    void anyMouseButtonSwapsThePicture();
    void closingSavesPlacementUnlessMinimised();
    void statusBarShowsItsText();
};

void MainWindowTest::menusInEachLanguage_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("menuBar");
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QStringList>("edit");
    QTest::addColumn<QStringList>("help");
    QTest::newRow("Japanese") << false
                              << QStringList{"ファイル(&F)", "編集(&E)", "ヘルプ(&H)"}
                              << QStringList{"プロジェクトの新規作成(&N)", "プロジェクトを開く(&O)...", "-", "保存(&S)", "-",
                                             "プロパティ(&I)", "-", " (hidden)", " (hidden)", " (hidden)",
                                             "- (hidden)", "終了(&X)"}
                              << QStringList{"切り取り(&T)", "コピー(&C)", "貼り付け(&P)"}
                              << QStringList{"目次(&C)", "-", "バージョン情報(&A)"};
    QTest::newRow("English") << true << QStringList{"File", "Edit", "Help"}
                             << QStringList{"New", "Open", "-", "Save", "-", "Properties", "-", " (hidden)",
                                            " (hidden)", " (hidden)", "- (hidden)", "Exit"}
                             << QStringList{"Cut", "Copy", "Past"} << QStringList{"Index", "-", "Version"};
}

void MainWindowTest::menusInEachLanguage()
{
    QFETCH(bool, english);
    QFETCH(QStringList, menuBar);
    QFETCH(QStringList, file);
    QFETCH(QStringList, edit);
    QFETCH(QStringList, help);
    Fixture f(english ? UiLanguage::English : UiLanguage::Japanese);
    f.window->Form_Load();
    QStringList bar;
    for (QAction *action : f.window->menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, menuBar);
    QCOMPARE(visibleMenuTexts(f.window->findChild<QMenu *>(QStringLiteral("mnuFile"))), file);
    QCOMPARE(visibleMenuTexts(f.window->findChild<QMenu *>(QStringLiteral("mnuEdit"))), edit);
    QCOMPARE(visibleMenuTexts(f.window->findChild<QMenu *>(QStringLiteral("mnuHelp"))), help);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Quenvel"));
}

void MainWindowTest::shortcuts()
{
    Fixture f;
    auto shortcutOf = [&](const char *name) {
        return f.window->findChild<QAction *>(QLatin1String(name))->shortcut();
    };
    QCOMPARE(shortcutOf("mnuFileNew"), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(shortcutOf("mnuEditCut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    QCOMPARE(shortcutOf("mnuEditCopy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(shortcutOf("mnuEditPaste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    QCOMPARE(shortcutOf("mnuFileOpen"), QKeySequence());
}

void MainWindowTest::startsAtStoredPositionWithFixedSize()
{
    Fixture f;
    f.placement.values = {{"MainLeft", "3000"}, {"MainTop", "2000"}, {"MainWidth", "12000"}, {"MainHeight", "9000"}};
    f.window->Form_Load();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    QCOMPARE(f.window->frameGeometry().topLeft(), QPoint(200, 133));
    QCOMPARE(f.window->frameGeometry().size(), QSize(439, 566));
    QCOMPARE(f.window->flags().ProjectLoaded, false);
    auto *source = f.window->findChild<QPlainTextEdit *>(QStringLiteral("SourceCode"));
    auto *log = f.window->findChild<QPlainTextEdit *>(QStringLiteral("Log"));
    QCOMPARE(source->geometry(), QRect(0, 40, 432, 356));  // (6585 - 100) / 15 = 432.3
    QCOMPARE(log->geometry(), QRect(0, 396, 432, 123));

    f.window->resize(200, 200);
    QCOMPARE(f.window->frameGeometry().size(), QSize(439, 566));
}

void MainWindowTest::logHoldsTheTextExactly()
{
    Fixture f;
    f.window->appendLog(QStringLiteral("a\r\n"));
    f.window->appendLog(QStringLiteral("b\r\r\nc"));
    f.window->appendLog(QStringLiteral("\r\n"));
    QCOMPARE(f.window->logText(), QStringLiteral("a\r\nb\r\r\nc\r\n"));
    auto *log = f.window->findChild<QPlainTextEdit *>(QStringLiteral("Log"));
    QTRY_COMPARE(log->toPlainText(), QStringLiteral("a\nb\nc\n"));
    f.window->appendLog(QStringLiteral("dropped"));
    f.window->clearLog();
    QCOMPARE(f.window->logText(), QString());
    QCoreApplication::processEvents();
    QCOMPARE(log->toPlainText(), QString());
}

void MainWindowTest::logKeepsTheEndInView()
{
    Fixture f;
    f.window->Form_Load();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto *log = f.window->findChild<QPlainTextEdit *>(QStringLiteral("Log"));
    for (int i = 0; i < 200; ++i)
        f.window->appendLog(QStringLiteral("line %1\r\n").arg(i));
    log->verticalScrollBar()->setValue(0);
    f.window->appendLog(QStringLiteral("newest\r\n"));
    QTRY_VERIFY(log->toPlainText().endsWith(QStringLiteral("newest\n")));
    QCOMPARE(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
    QCOMPARE(log->textCursor().position(), log->document()->characterCount() - 1);
}

void MainWindowTest::editorGivesBackCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF lines") << "a\r\nb\r\n" << "a\r\nb\r\n";
    QTest::newRow("no final line end") << "a\r\nb" << "a\r\nb";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blank lines") << "\r\n\r\nx\r\n" << "\r\n\r\nx\r\n";
    QTest::newRow("non-breaking space stays") << QStringLiteral("a\u00A0b\r\n") << QStringLiteral("a\u00A0b\r\n");
    QTest::newRow("Japanese") << QStringLiteral("// テスト\r\n") << QStringLiteral("// テスト\r\n");
}

void MainWindowTest::editorGivesBackCrLf()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Fixture f;
    f.window->setSourceText(text);
    QCOMPARE(f.window->sourceText(), expected);
}

void MainWindowTest::settingTheSourceCountsAsUnchanged()
{
    Fixture f;
    f.window->setSourceText(QStringLiteral("x\r\n"));
    QVERIFY(!f.window->isSourceModified());
    auto *source = f.window->findChild<QPlainTextEdit *>(QStringLiteral("SourceCode"));
    source->insertPlainText(QStringLiteral("typed"));
    QVERIFY(f.window->isSourceModified());
    f.window->setSourceModified(false);
    QVERIFY(!f.window->isSourceModified());
}

void MainWindowTest::anyMouseButtonSwapsThePicture_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("clicks");
    QTest::newRow("left") << int(Qt::LeftButton) << true;
    QTest::newRow("right") << int(Qt::RightButton) << false;
    QTest::newRow("middle") << int(Qt::MiddleButton) << false;
}

void MainWindowTest::anyMouseButtonSwapsThePicture()
{
    QFETCH(int, button);
    QFETCH(bool, clicks);
    Fixture f;
    f.window->show();
    auto *run = f.window->findChild<PictureButton *>(QStringLiteral("Run"));
    int clicked = 0;
    connect(run, &PictureButton::clicked, this, [&] { ++clicked; });
    QTest::mousePress(run, Qt::MouseButton(button));
    QVERIFY(run->isShowingPressed());
    QTest::mouseRelease(run, Qt::MouseButton(button));
    QVERIFY(!run->isShowingPressed());
    QCOMPARE(clicked, clicks ? 1 : 0);
}

void MainWindowTest::closingSavesPlacementUnlessMinimised()
{
    Fixture f;
    f.placement.values = {{"MainLeft", "1500"}, {"MainTop", "1500"}};
    f.window->Form_Load();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    f.window->showMinimized();
    QTRY_VERIFY(f.window->isMinimized());
    QVERIFY(f.window->close());
    QCOMPARE(f.placement.values.value(QStringLiteral("MainWidth")), QString());

    Fixture g;
    g.window->Form_Load();
    g.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(g.window.get()));
    QVERIFY(g.window->close());
    QCOMPARE(g.placement.values.value(QStringLiteral("MainLeft")), QStringLiteral("1005"));
    QCOMPARE(g.placement.values.value(QStringLiteral("MainWidth")), QStringLiteral("6585"));
    QCOMPARE(g.placement.values.value(QStringLiteral("MainHeight")), QStringLiteral("8490"));
}

void MainWindowTest::statusBarShowsItsText()
{
    Fixture f;
    auto *text = f.window->findChild<QLabel *>(QStringLiteral("sbStatusText"));
    QVERIFY(text);
    QCOMPARE(text->text(), QStringLiteral("ｽﾃｰﾀｽ"));
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
