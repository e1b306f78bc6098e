#include "ui/about_dialog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class AboutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captions_data();
    void captions();
    void closingKeys_data();
    void closingKeys();
};

void AboutTest::captions_data()
{
    QTest::addColumn<QString>("control");  // empty: the window's title
    QTest::addColumn<QString>("caption");  // from the caption table, where the design's differs
    QTest::newRow("window") << "" << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Quenvel");
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QStringLiteral("ｼｽﾃﾑ情報(&S)...");
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QStringLiteral("本ソフトウェアは無保証で提供されます。");
    // The version the project is built as.
    QTest::newRow("lblVersion") << "lblVersion" << QStringLiteral("ﾊﾞｰｼﾞｮﾝ " QUENVEL_PROJECT_VERSION);
    QTest::newRow("lblDescription") << "lblDescription" << QStringLiteral("iアプリを楽しく作ろう!");
}

void AboutTest::captions()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    frmAbout dlg;
    const QWidget *widget = control.isEmpty() ? &dlg : dlg.findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property(control.isEmpty() ? "windowTitle" : "text").toString(), caption);
}

void AboutTest::closingKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Esc") << Qt::Key_Escape;
    QTest::newRow("Enter") << Qt::Key_Return;
}

void AboutTest::closingKeys()
{
    QFETCH(Qt::Key, key);
    frmAbout dlg;
    QTimer::singleShot(0, &dlg, [&] {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dlg, key);
    });
    // Should the key be lost, this ends the wait instead of hanging.
    QTimer::singleShot(5000, &dlg, [&] { dlg.done(-1); });
    QVERIFY(dlg.exec() != -1);
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
