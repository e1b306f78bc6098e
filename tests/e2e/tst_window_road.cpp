// The whole road through the main window, as a user takes it: New project,
// Build, Run, Upload, with the stand-in tools and a real FTP server.
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "dialog_driver.h"
#include "fixed_clock.h"
#include "ftp_test_server.h"
#include "test_paths.h"
#include "ui/editor_tabs.h"
#include "ui/log_formatter.h"
#include "ui/main_window.h"
#include "ui/picture_button.h"
#include "ui/source_editor.h"
#include "file_bytes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QDialog>
#include <QLabel>
#include <QLocale>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

namespace {

class NoPlacement : public PlacementStore
{
public:
    std::optional<QString> value(const QString &) const override { return std::nullopt; }
    void setValue(const QString &, const QString &) override {}
};

} // namespace

class WindowRoadTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newBuildRunUpload();
    void severalFilesInPackages();
};

void WindowRoadTest::newBuildRunUpload()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!QFile::exists(standinDir() + QStringLiteral("/jdk/bin/javac")))
        QSKIP("the stand-in JDK has not been assembled");
    FtpTestServer server;
    QVERIFY2(server.start(), qPrintable(server.errorString()));

    QTemporaryDir dir;
    const QString doja = dir.filePath(QStringLiteral("doja sdk"));
    QVERIFY(copyTree(standinDir() + QStringLiteral("/doja"), doja));
    // Projects made by hand with the stand-in SDK stay out of this road.
    QVERIFY(QDir(doja + QStringLiteral("/apps")).removeRecursively());
    QVERIFY(QDir().mkpath(doja + QStringLiteral("/apps")));
    const QString appDir = dir.filePath(QStringLiteral("app"));
    const QString ini = QStringLiteral("[Global]\r\nJAVA_PATH=%1/jdk\r\nDOJA_PATH=%2\r\nFtpUrl=%3\r\nFtpId=user\r\n"
                                       "FtpPassword=secret\r\nFtpPath=\r\nWebUrl=www.example.com/i\r\n")
                            .arg(standinDir(), doja, server.hostAndPort());
    QVERIFY(writeBytes(appDir + QStringLiteral("/Tovra.ini"), ini.toUtf8()));

    SettingsStore store(appDir, PathStyle::posix());
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp(10, 10);
    FixedClock clock;
    NoPlacement placement;
    frmMain window(store, runners, ftp, clock, placement, UiLanguage::Japanese);
    DialogDriver driver;
    QVERIFY(window.Form_Load());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // New project.
    driver.newProjectName = QStringLiteral("Hello");
    window.findChild<QAction *>(QStringLiteral("mnuFileNew"))->trigger();
    const QString folder = doja + QStringLiteral("/apps/Hello");
    QCOMPARE(driver.messages, QStringList{QStringLiteral("プロジェクト [Hello] を生成しました。\r\n"
                                                         "Javaソースコードの場所は %1/src です。\r\n"
                                                         "リソースファイルの場所は %1/res です。")
                                              .arg(folder)});
    const QString source = QStringLiteral("import com.nttdocomo.ui.*;\r\npublic class Hello extends IApplication {\r\n"
                                          "    public void start() {\r\n    }\r\n}\r\n");
    QCOMPARE(window.editor().sourceText(), source);
    // One source: the editor alone, filling the place it always had.
    const auto *tabs = window.findChild<EditorTabs *>();
    QCOMPARE(QRect(window.editor().mapTo(window.centralWidget(), QPoint()), window.editor().size()), tabs->geometry());
    QVERIFY(!window.findChild<QTreeWidget *>(QStringLiteral("ProjectFiles"))->isVisible());
    QVERIFY(!window.findChild<QTabBar *>(QStringLiteral("EditorTabBar"))->isVisible());
    QCOMPARE(window.log().text(), QStringLiteral("プロジェクト [Hello] は読みこまれました\r\n"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sbProject"))->text(), QStringLiteral("Hello"));
    // The user made it to type in it.
    QTRY_VERIFY(window.findChild<QWidget *>(QStringLiteral("SourceCode"))->hasFocus());

    // Build.
    QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("Compile")), Qt::LeftButton);
    const QString api = QStringLiteral("\"%1/lib/dojaapi.jar\"").arg(doja);
    QCOMPARE(window.log().text(),
             QStringLiteral("%1/src/Hello.javaを保存しました。\r\n\r\n"
                            "\"%2/jdk/bin/javac\" -d tmpclasses -classpath .:%3:./src/ -bootclasspath .:%3 src/*.java\r\n"
                            "JAMファイルを保存しました。 %1/bin/Hello.jam\r\n"
                            "HTMLファイルを保存しました。%1/bin/Hello.htm\r\n"
                            "コンパイルは正常に終了しました。\r\n")
                 .arg(folder, standinDir(), api));
    // The size is in the status bar; without a target the log says nothing of it.
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("sbBudget"))->text().startsWith(QStringLiteral("JAR")));
    QCOMPARE(readBytes(folder + QStringLiteral("/src/Hello.java")), source.toUtf8());
    const QByteArray jam = readBytes(folder + QStringLiteral("/bin/Hello.jam"));
    QVERIFY(jam.contains("AppSize = " + QByteArray::number(QFileInfo(folder + QStringLiteral("/bin/Hello.jar")).size())));

    // A hand edit of the descriptor, then the project's settings: the edit
    // is taken first, the target profile is chosen in the dialog.
    QVERIFY(writeBytes(folder + QStringLiteral("/bin/Hello.jam"), QByteArray(jam).replace("SPsize = ", "SPsize = 1024")));
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&user] {
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget *widget : windows) {
            if (widget->objectName() != QLatin1String("dlgProjectSettings") || !widget->isVisible())
                continue;
            user.stop();
            widget->findChild<QComboBox *>(QStringLiteral("cboTargetProfile"))->setCurrentText(QStringLiteral("DoJa-1.0"));
            DialogDriver::press(widget->findChild<QPushButton *>(QStringLiteral("cmdOK")));
        }
    });
    user.start(10);
    window.findChild<QAction *>(QStringLiteral("mnuFileProjectSettings"))->trigger();
    QVERIFY(window.log().text().endsWith(QStringLiteral("Hello.jamに手で書かれた値をプロジェクトの設定に取り込みました: SPsize = 1024\r\n")));
    QCOMPARE(store.ReadIniString(QStringLiteral("Hello"), QStringLiteral("SPsize"), QString()), QStringLiteral("1024"));
    QCOMPARE(store.ReadIniString(QStringLiteral("Hello"), QStringLiteral("TargetProfile"), QString()), QStringLiteral("DoJa-1.0"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("sbProject"))->text(), QStringLiteral("Hello (DoJa-1.0)"));

    // Run.
    const qsizetype afterBuild = window.log().text().size();
    QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("Run")), Qt::LeftButton);
    // The Run is back at once; the emulator without a display ends by itself.
    QTRY_VERIFY_WITH_TIMEOUT(!window.session().isRunning(), 60000);
    const QString runLog = window.log().text().mid(afterBuild);
    QVERIFY2(runLog.contains(QStringLiteral(" com.nttdocomo.dojaemu.tests.Tester jam phone1color bin/Hello.jam\r\n")),
             qPrintable(runLog));
    QVERIFY2(runLog.contains(QStringLiteral("Hello を起動しました")), qPrintable(runLog));
    // An end with 0 is no news.
    QVERIFY2(runLog.endsWith(QStringLiteral(")\r\n\r\n")) && !runLog.contains(QStringLiteral("エミュレータが終了")),
             qPrintable(runLog));
    QVERIFY(window.session().flags().CanUpload);

    // Upload.
    const qsizetype afterRun = window.log().text().size();
    QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("Upload")), Qt::LeftButton);
    const QString uploadLog = window.log().text().mid(afterRun);
    QVERIFY2(uploadLog.endsWith(QStringLiteral("\r\nアップロード作業は成功しました。"
                                               "\r\nケータイで http://www.example.com/i/Hello.htm にアクセスしてください。"
                                               "\r\n%1との接続は切断されました。")
                                    .arg(server.hostAndPort())),
             qPrintable(uploadLog));
    for (const char *name : {"Hello.jar", "Hello.jam", "Hello.htm"})
        QCOMPARE(readBytes(server.root() + QLatin1Char('/') + QLatin1String(name)),
                 readBytes(folder + QStringLiteral("/bin/") + QLatin1String(name)));
    const QByteArray sent = readBytes(folder + QStringLiteral("/bin/Hello.jam"));
    QVERIFY(sent.contains("AppVer = 1.1\r\n") && sent.contains("SPsize = 1024\r\n") && sent.endsWith("ConfigurationVer = CLDC-1.0\r\n\r\n"));
    QCOMPARE(store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 1);
    QCOMPARE(driver.messages.size(), 1);
    // No window unless asked for; the menu command shows the address where
    // it can be used, and the choice to see it after every upload.
    QVERIFY(!window.findChild<QDialog *>(QStringLiteral("dlgPhoneAddress")));
    window.findChild<QAction *>(QStringLiteral("mnuFilePhoneAddress"))->trigger();
    const auto *address = window.findChild<QDialog *>(QStringLiteral("dlgPhoneAddress"));
    QVERIFY(address && address->isVisible());
    QVERIFY(!address->findChild<QCheckBox *>(QStringLiteral("chkShowAfterUpload"))->isChecked());
    QVERIFY(address->findChild<QLabel *>(QStringLiteral("lblAddress"))->text().contains(
        QStringLiteral("http://www.example.com/i/Hello.htm")));
}

// A game of five classes in two packages, its main class named in the
// settings: the file list, a second editor, Build saving both, an error in
// the second file reached with F8.
void WindowRoadTest::severalFilesInPackages()
{
    QStandardPaths::setTestModeEnabled(true);
    if (!QFile::exists(standinDir() + QStringLiteral("/jdk/bin/javac")))
        QSKIP("the stand-in JDK has not been assembled");
    QTemporaryDir dir;
    const QString doja = dir.filePath(QStringLiteral("doja"));
    QVERIFY(copyTree(standinDir() + QStringLiteral("/doja"), doja));
    const QString folder = doja + QStringLiteral("/apps/Quest");
    QVERIFY(copyTree(sourceDir() + QStringLiteral("/tests/standin/apps/Quest"), folder));
    const QString appDir = dir.filePath(QStringLiteral("app"));
    QVERIFY(writeBytes(appDir + QStringLiteral("/Tovra.ini"),
                       QStringLiteral("[Global]\r\nJAVA_PATH=%1/jdk\r\nDOJA_PATH=%2\r\n[Quest]\r\nAppClass=jp.example.quest.Quest\r\n")
                           .arg(standinDir(), doja).toUtf8()));
    SettingsStore store(appDir, PathStyle::posix());
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp(10, 10);
    FixedClock clock;
    NoPlacement placement;
    frmMain window(store, runners, ftp, clock, placement, UiLanguage::Japanese);
    DialogDriver driver;
    QVERIFY(window.Form_Load());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.OpenProject(QStringLiteral("Quest"));
    QVERIFY(window.editor().sourceText().startsWith(QStringLiteral("package jp.example.quest;")));
    auto *files = window.findChild<QTreeWidget *>(QStringLiteral("ProjectFiles"));
    QVERIFY(files && files->isVisible());
    // Two packages under src, their files by name.
    QCOMPARE(files->topLevelItem(0)->childCount(), 2);
    QCOMPARE(files->topLevelItem(0)->child(1)->text(0), QStringLiteral("jp.example.quest.parts"));
    QCOMPARE(files->topLevelItem(0)->child(1)->childCount(), 3);
    const QString board = QStringLiteral("jp/example/quest/Board.java");
    QTreeWidgetItem *boardItem = files->findItems(QStringLiteral("Board.java"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(boardItem);
    Q_EMIT files->itemActivated(boardItem, 0);
    auto *tabs = window.findChild<EditorTabs *>();
    QVERIFY(tabs->current() != &window.editor());
    QCOMPARE(tabs->currentFile(), folder + QStringLiteral("/src/") + board);

    // Both edited: the second file loses a semicolon on its line 20.
    tabs->current()->setSourceText(tabs->current()->sourceText().replace(QStringLiteral("ship.move(1);"), QStringLiteral("ship.move(1)")));
    tabs->current()->setSourceModified(true);
    QCOMPARE(window.findChild<QTabBar *>(QStringLiteral("EditorTabBar"))->tabText(1), QStringLiteral("Board.java *"));
    window.editor().setSourceText(window.editor().sourceText() + QStringLiteral("// edited\r\n"));
    window.editor().setSourceModified(true);
    QTest::mouseClick(window.findChild<PictureButton *>(QStringLiteral("Compile")), Qt::LeftButton);
    const QString log = window.log().text();
    QVERIFY2(log.startsWith(QStringLiteral("%1/src/%2を保存しました。\r\n%1/src/jp/example/quest/Quest.javaを保存しました。\r\n\r\n")
                                .arg(folder, board)),
             qPrintable(log));
    QVERIFY2(log.contains(QStringLiteral(" src/jp/example/quest/*.java src/jp/example/quest/parts/*.java\r\n")), qPrintable(log));
    QVERIFY(readBytes(folder + QStringLiteral("/src/") + board).contains("ship.move(1)\n"));
    QVERIFY2(window.statusText().contains(QStringLiteral("エラー 1件")), qPrintable(window.statusText()));

    // F8 from the main file opens the second one at its error.
    window.findChild<QTabBar *>(QStringLiteral("EditorTabBar"))->setCurrentIndex(0);
    QCOMPARE(tabs->current(), &window.editor());
    window.findChild<QAction *>(QStringLiteral("mnuSearchNextError"))->trigger();
    QCOMPARE(tabs->currentFile(), folder + QStringLiteral("/src/") + board);
    QCOMPARE(tabs->current()->textCursor().blockNumber() + 1, 20);
}

QTEST_MAIN(WindowRoadTest)
#include "tst_window_road.moc"
