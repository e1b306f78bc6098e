// The phone address after an upload: its QR code read back by a real
// bar-code reader, and the copy button.
#include "app/code_page.h"
#include "deploy/phone_address_dialog.h"
#include "deploy/upload.h"
#include "deploy/qr_code.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class PhoneAddressTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The log's line, the dialog's link and its code all show this address.
    void addressOfTheUploadedPage_data()
    {
        QTest::addColumn<QString>("webUrl");
        QTest::addColumn<QString>("address");
        QTest::newRow("host and folder go on http://") << "www.example.net/i" << "http://www.example.net/i/Hello.htm";
        QTest::newRow("typed with https:// is used as typed") << "https://www.example.net" << "https://www.example.net/Hello.htm";
        QTest::newRow("a scheme in capitals is a scheme") << "HTTP://www.example.net" << "HTTP://www.example.net/Hello.htm";
        QTest::newRow("a host named like a scheme is a host") << "https.example.net" << "http://https.example.net/Hello.htm";
    }

    void addressOfTheUploadedPage()
    {
        QFETCH(QString, webUrl);
        QTEST(phoneAddress(webUrl, QStringLiteral("Hello")), "address");
    }

    void codeReadsBackAsTheAddress_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << QStringLiteral("http://www.example.net/i/Hello.htm");
        QTest::newRow("long folder") << QStringLiteral("http://www.example.net/") + QString(200, QLatin1Char('d'))
                                            + QStringLiteral("/Game.htm");
    }

    void codeReadsBackAsTheAddress()
    {
        const QString reader = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (reader.isEmpty())
            QSKIP("no bar-code reader (zbarimg) on this machine");
        if (!encodeQr("x"))
            QSKIP("built without libqrencode");
        QFETCH(QString, address);
        const std::optional<QrCode> code = encodeQr(*toCodePage(address));
        QVERIFY(code);
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("code.png"));
        QVERIFY(renderQrCode(*code, 3).save(picture));
        QProcess zbar;
        zbar.start(reader, {QStringLiteral("--quiet"), QStringLiteral("--raw"), picture});
        QVERIFY(zbar.waitForFinished(20000));
        QCOMPARE(QString::fromUtf8(zbar.readAllStandardOutput()).trimmed(), address);
    }

    void dialogShowsLinkCodeAndCopies()
    {
        const QString address = QStringLiteral("http://www.example.net/i/Hello.htm");
        bool told = false;
        PhoneAddressDialog dialog(address, false, [&told](bool on) { told = on; });
        const auto *link = dialog.findChild<QLabel *>(QStringLiteral("lblAddress"));
        QVERIFY(link && link->text().contains(QStringLiteral("href=\"%1\"").arg(address)));
        const auto *code = dialog.findChild<QLabel *>(QStringLiteral("picQrCode"));
        // Built without libqrencode, the address stands alone.
        QVERIFY(code && code->pixmap().isNull() != encodeQr("x").has_value());
        QApplication::clipboard()->clear();
        dialog.findChild<QPushButton *>(QStringLiteral("cmdCopy"))->click();
        QCOMPARE(QApplication::clipboard()->text(), address);
        auto *everyUpload = dialog.findChild<QCheckBox *>(QStringLiteral("chkShowAfterUpload"));
        QVERIFY(everyUpload && !everyUpload->isChecked());
        everyUpload->click();
        QVERIFY(told);
    }
};

QTEST_MAIN(PhoneAddressTest)
#include "tst_phone_address.moc"
