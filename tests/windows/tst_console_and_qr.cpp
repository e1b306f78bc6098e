// The console program's output when it goes to a file, and the QR code of
// the Windows build (scripts/test_windows.sh reads the picture back with a
// bar-code reader on the Linux side).
#include "app/console_stream.h"
#include "deploy/phone_address_dialog.h"
#include "deploy/qr_code.h"
#include "test_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <windows.h>

class ConsoleAndQrTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileGetsCodePageBytes_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");  // UTF-8 as the program writes it
        QTest::addColumn<QByteArray>("bytes");          // what the file holds
        QTest::newRow("ASCII") << QList<QByteArray>{"JAR 331\n"} << QByteArray("JAR 331\n");
        QTest::newRow("Japanese") << QList<QByteArray>{"使い方\n"} << QByteArray("\x8e\x67\x82\xa2\x95\xfb\n");
        QTest::newRow("a character split between two writes")
            << QList<QByteArray>{QByteArray("\xe4\xbd"), QByteArray("\xbf\n")} << QByteArray("\x8e\x67\n");
        QTest::newRow("outside the code page: a question mark, the line kept")
            << QList<QByteArray>{"Caf\xc3\xa9!\n"} << QByteArray("Caf?!\n");
    }

    void fileGetsCodePageBytes()
    {
        QFETCH(QList<QByteArray>, pieces);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        HANDLE file = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(file != INVALID_HANDLE_VALUE);
        {
            ConsoleStream stream(file);
            QVERIFY(!stream.isConsole());
            for (const QByteArray &piece : pieces)
                QCOMPARE(stream.write(piece), piece.size());
        }
        CloseHandle(file);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QTEST(written.readAll(), "bytes");
    }

    // Read back by scripts/test_windows.sh.
    void qrCodeIsDrawn()
    {
        const std::optional<QrCode> code = encodeQr("http://www.example.net/i/Hello.htm");
        QVERIFY2(code, "built without libqrencode");
        QVERIFY(renderQrCode(*code, 4).save(binaryDir() + QStringLiteral("/qr_code_windows.png")));
    }
};

QTEST_MAIN(ConsoleAndQrTest)
#include "tst_console_and_qr.moc"
