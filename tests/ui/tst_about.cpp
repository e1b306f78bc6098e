#include "ui/about_dialog.h"
#include "ui/registry.h"
#include "ui/sys_info.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Knows only the first registry value of the system-information tool.
class OneValueRegistry final : public Registry
{
public:
    explicit OneValueRegistry(const QString &path) : m_path(path) {}
    std::optional<RegistryValue> read(RegistryRoot root, const QString &keyName,
                                      const QString &valueName, qsizetype) const override
    {
        if (root != RegistryRoot::LocalMachine
            || keyName != QLatin1String("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO")
            || valueName != QLatin1String("PATH"))
            return std::nullopt;
        const QString text = m_path + QChar(u'\0');
        return RegistryValue{RegistryType::String,
                             QByteArray(reinterpret_cast<const char *>(text.utf16()),
                                        text.size() * 2)};
    }

private:
    QString m_path;
};

class RecordingHost final : public SysInfoHost
{
public:
    QStringList started;
    QStringList messages;
    bool fileExists(const QString &) const override { return false; }
    bool startProgram(const QString &path) override
    {
        started << path;
        return true;
    }
    void showMessage(const QString &text) override { messages << text; }
};

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void clientArea();
    void geometry_data();
    void geometry();
    void captionsAndTags_data();
    void captionsAndTags();
    void versionText_data();
    void versionText();
    void etchedSeparator();
    void logo();
    void closingKeys_data();
    void closingKeys();
    void sysInfoButton();
};

void AboutTest::clientArea()
{
    frmAbout dlg;
    QCOMPARE(dlg.size(), QSize(391, 242));  // 5865 x 3630 twips
    QCOMPARE(dlg.minimumSize(), dlg.maximumSize());
}

void AboutTest::geometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("expected");
    // Twips / 15, rounded.
    QTest::newRow("picIcon") << "picIcon" << QRect(8, 8, 164, 124);
    QTest::newRow("lblTitle") << "lblTitle" << QRect(198, 24, 273, 32);
    QTest::newRow("lblVersion") << "lblVersion" << QRect(198, 60, 273, 15);
    QTest::newRow("lblDescription") << "lblDescription" << QRect(198, 83, 273, 78);
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(17, 175, 258, 55);
    QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 175, 98, 23);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 205, 97, 23);
}

void AboutTest::geometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, expected);
    frmAbout dlg;
    auto *widget = dlg.findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);
}

void AboutTest::captionsAndTags_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("caption");
    QTest::newRow("window") << "" << "1052" << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Quenvel");
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << "1053" << QStringLiteral("ｼｽﾃﾑ情報(&S)...");
    QTest::newRow("cmdOK") << "cmdOK" << "1054" << "OK";
    QTest::newRow("lblDisclaimer") << "lblDisclaimer" << "1055"
                                   << QStringLiteral("本ソフトウェアは無保証で提供されます。");
    QTest::newRow("lblVersion") << "lblVersion" << "1056" << QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0");
    QTest::newRow("lblTitle") << "lblTitle" << "1057" << "Quenvel";
    QTest::newRow("lblDescription") << "lblDescription" << "1058"
                                    << QStringLiteral("iアプリを楽しく作ろう!");
}

void AboutTest::captionsAndTags()
{
    QFETCH(QString, control);
    QFETCH(QString, tag);
    QFETCH(QString, caption);
    frmAbout dlg;
    QWidget *widget = control.isEmpty() ? &dlg : dlg.findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->property("tag").toString(), tag);
    QString shown;
    if (widget == &dlg)
        shown = dlg.windowTitle();
    else if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else
        shown = qobject_cast<QPushButton *>(widget)->text();
    QCOMPARE(shown, caption);
}

void AboutTest::versionText_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("this program") << programVersion().major << programVersion().minor
                                  << programVersion().revision << QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0");
    QTest::newRow("numbers without leading zeros") << 2 << 10 << 305
                                                   << QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.10.305");
}

void AboutTest::versionText()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, revision);
    QFETCH(QString, expected);
    QCOMPARE(aboutVersionText({major, minor, revision}), expected);
}

void AboutTest::etchedSeparator()
{
    frmAbout dlg;
    const QImage shot = dlg.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
    // grey from (225, 2430) and white from (240, 2445) twips, both to 5657
    QCOMPARE(at(15, 162), QColor(0x80, 0x80, 0x80));
    QCOMPARE(at(377, 162), QColor(0x80, 0x80, 0x80));
    QCOMPARE(at(16, 163), QColor(Qt::white));
    QCOMPARE(at(377, 163), QColor(Qt::white));
    QVERIFY(at(200, 165) != QColor(Qt::white));
}

void AboutTest::logo()
{
    frmAbout dlg;
    auto *picIcon = dlg.findChild<QLabel *>(QStringLiteral("picIcon"));
    QVERIFY(picIcon);
    const QPixmap logo = picIcon->pixmap();
    QCOMPARE(logo.deviceIndependentSize().toSize(), QSize(160, 120));
    // Drawn, not left transparent: the logo's middle is painted.
    QCOMPARE(logo.toImage().pixelColor(logo.width() / 2, logo.height() / 2).alpha(), 255);
}

void AboutTest::closingKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Esc") << Qt::Key_Escape;
    QTest::newRow("Enter") << Qt::Key_Return;
    QTest::newRow("keypad Enter") << Qt::Key_Enter;
}

void AboutTest::closingKeys()
{
    QFETCH(Qt::Key, key);
    frmAbout dlg;
    bool wasModal = false;
    QTimer::singleShot(0, &dlg, [&] {
        wasModal = QApplication::activeModalWidget() == &dlg;
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &dlg;
        QTest::keyClick(target, key);
    });
    // Should the key be lost, this ends the wait instead of hanging.
    QTimer::singleShot(5000, &dlg, [&] { dlg.done(-1); });
    const int result = dlg.exec();
    QVERIFY(wasModal);
    QVERIFY(result != -1);
    QVERIFY(!dlg.isVisible());
}

void AboutTest::sysInfoButton()
{
    const QString tool = QStringLiteral("C:\\Tools\\msinfo32.exe");
    OneValueRegistry registry(tool);
    RecordingHost host;
    frmAbout dlg(registry, host);
    auto *button = dlg.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QVERIFY(button);
    button->click();
    QCOMPARE(host.started, QStringList{tool});
    QVERIFY(host.messages.isEmpty());
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
