#include "file_bytes.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class HelpWindowTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pages_data();
    void pages();
};

void HelpWindowTest::pages_data()
{
    QTest::addColumn<QString>("helpFile");  // "<disk>": a page written for the test
    QTest::addColumn<QString>("title");     // empty: the page is missing
    QTest::newRow("built-in page") << QStringLiteral("qrc:/help/index.html") << QStringLiteral("Quenvel ヘルプ");
    QTest::newRow("page on disk") << QStringLiteral("<disk>") << QStringLiteral("目次");
    QTest::newRow("missing file on disk") << QStringLiteral("/nonexistent/QUENVEL.HLP") << QString();
    QTest::newRow("missing built-in page") << QStringLiteral("qrc:/help/missing.html") << QString();
    QTest::newRow("no help file: a message, no window") << QString()
        << QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。");
}

void HelpWindowTest::pages()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, title);
    QTemporaryDir dir;
    if (helpFile == QLatin1String("<disk>")) {
        helpFile = dir.filePath(QStringLiteral("help.html"));
        QVERIFY(writeBytes(helpFile, "<html><head><meta charset=\"utf-8\"><title>目次</title></head><body>本文</body></html>"));
    }
    QWidget mainWindow;
    QString message;
    QTimer::singleShot(0, &mainWindow, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    showHelpContents(&mainWindow, helpFile);
    auto *window = mainWindow.findChild<HelpWindow *>();
    if (helpFile.isEmpty()) {
        QCOMPARE(message, title);
        QVERIFY(!window);
        return;
    }
    QVERIFY(window && window->isVisible() && window->isWindow());
    if (title.isEmpty())
        QCOMPARE(window->browser()->toPlainText(), QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(helpFile));
    else
        QCOMPARE(window->browser()->documentTitle(), title);
    // Shown again after closing: the same window.
    window->close();
    showHelpContents(&mainWindow, helpFile);
    QCOMPARE(mainWindow.findChildren<HelpWindow *>().size(), 1);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
