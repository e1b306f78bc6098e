#include "ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class HelpWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noHelpFileGivesTheMessage();
    void builtInPageInOneWindow();
    void menuCommandOpensTheBuiltInPage();
    void pageFromDisk();
    void missingPage_data();
    void missingPage();
};

void HelpWindowTest::noHelpFileGivesTheMessage()
{
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Quenvel"));
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, &mainWindow, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->accept();
    });
    ShowHelpContents(&mainWindow, QString());
    QCOMPARE(text, QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"));
    QCOMPARE(title, QStringLiteral("Quenvel"));
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!mainWindow.findChild<HelpWindow *>());
}

void HelpWindowTest::builtInPageInOneWindow()
{
    QWidget mainWindow;
    ShowHelpContents(&mainWindow, QStringLiteral("qrc:/help/index.html"));
    auto *window = mainWindow.findChild<HelpWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QCOMPARE(window->browser()->documentTitle(), QStringLiteral("Quenvel ヘルプ"));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("プロジェクトとは")));

    window->close();
    ShowHelpContents(&mainWindow, QStringLiteral("qrc:/help/index.html"));
    QCOMPARE(mainWindow.findChildren<HelpWindow *>().size(), 1);
    QVERIFY(window->isVisible());
}

void HelpWindowTest::menuCommandOpensTheBuiltInPage()
{
    QWidget mainWindow;
    mnuHelpContents_Click(&mainWindow);
    auto *window = mainWindow.findChild<HelpWindow *>();
    QVERIFY(window);
    QCOMPARE(window->browser()->source(), QUrl(QStringLiteral("qrc:/help/index.html")));
}

void HelpWindowTest::pageFromDisk()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile page(dir.filePath(QStringLiteral("help.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html><head><meta charset=\"utf-8\"><title>目次</title></head><body>本文</body></html>");
    page.close();

    QWidget mainWindow;
    ShowHelpContents(&mainWindow, page.fileName());
    auto *window = mainWindow.findChild<HelpWindow *>();
    QVERIFY(window);
    QCOMPARE(window->browser()->documentTitle(), QStringLiteral("目次"));
}

void HelpWindowTest::missingPage_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("file on disk") << QStringLiteral("/nonexistent/QUENVEL.HLP");
    QTest::newRow("built-in page") << QStringLiteral("qrc:/help/missing.html");
}

void HelpWindowTest::missingPage()
{
    QFETCH(QString, helpFile);
    QWidget mainWindow;
    ShowHelpContents(&mainWindow, helpFile);
    auto *window = mainWindow.findChild<HelpWindow *>();
    QVERIFY(window);
    QCOMPARE(window->browser()->toPlainText(),
             QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(helpFile));
}

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
