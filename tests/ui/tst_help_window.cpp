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
    void pages_data();
    void pages();
};

void HelpWindowTest::noHelpFileGivesTheMessage()
{
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Quenvel"));
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, &mainWindow, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            box->accept();
        }
    });
    ShowHelpContents(&mainWindow, QString());
    QCOMPARE(text, QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"));
    QCOMPARE(title, QStringLiteral("Quenvel"));
    QCOMPARE(icon, QMessageBox::Information);
    QVERIFY(!mainWindow.findChild<HelpWindow *>());
}

void HelpWindowTest::pages_data()
{
    QTest::addColumn<QString>("helpFile");  // "<disk>": a page written for the test
    QTest::addColumn<QString>("title");     // empty: the page is missing
    QTest::newRow("built-in page") << QStringLiteral("qrc:/help/index.html") << QStringLiteral("Quenvel ヘルプ");
    QTest::newRow("page on disk") << QStringLiteral("<disk>") << QStringLiteral("目次");
    QTest::newRow("missing file on disk") << QStringLiteral("/nonexistent/QUENVEL.HLP") << QString();
    QTest::newRow("missing built-in page") << QStringLiteral("qrc:/help/missing.html") << QString();
}

void HelpWindowTest::pages()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, title);
    QTemporaryDir dir;
    if (helpFile == QLatin1String("<disk>")) {
        helpFile = dir.filePath(QStringLiteral("help.html"));
        QFile page(helpFile);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><meta charset=\"utf-8\"><title>目次</title></head><body>本文</body></html>");
    }
    QWidget mainWindow;
    ShowHelpContents(&mainWindow, helpFile);
    auto *window = mainWindow.findChild<HelpWindow *>();
    QVERIFY(window);
    QVERIFY(window->isVisible() && window->isWindow());
    if (title.isEmpty())
        QCOMPARE(window->browser()->toPlainText(), QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(helpFile));
    else
        QCOMPARE(window->browser()->documentTitle(), title);
    // Shown again after closing: the same window.
    window->close();
    ShowHelpContents(&mainWindow, helpFile);
    QCOMPARE(mainWindow.findChildren<HelpWindow *>().size(), 1);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
