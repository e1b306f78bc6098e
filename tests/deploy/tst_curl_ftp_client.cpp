#include "deploy/curl_ftp_client.h"
#include "deploy/ftp_url.h"
#include "ftp_test_server.h"
#include "file_bytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

} // namespace

class CurlFtpClientTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }
    void addresses_data();
    void addresses();
    void connectResults_data();
    void connectResults();
    void silentServerTimesOut();
    void storesIntoFolders_data();
    void storesIntoFolders();
    void binaryArrivesByteForByte();
    void refusedStoresAreReported_data();
    void refusedStoresAreReported();
    void threeFilesOnOneLogin();

private:
    FtpTestServer m_server;
    QTemporaryDir m_local;
};

void CurlFtpClientTest::addresses_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("address");
    QTest::newRow("login folder") << "ftp.example.com" << "" << "ftp://ftp.example.com:21 Hello.jar";
    QTest::newRow("port given") << "127.0.0.1:2121" << "" << "ftp://127.0.0.1:2121 Hello.jar";
    QTest::newRow("relative") << "h" << "public_html/i" << "ftp://h:21 public_html/i/Hello.jar";
    QTest::newRow("absolute") << "h" << "/var/www" << "ftp://h:21 %2Fvar/www/Hello.jar";
    QTest::newRow("blank and Japanese") << "h" << "my apps/アプリ"
                                        << "ftp://h:21 my%20apps/%E3%82%A2%E3%83%97%E3%83%AA/Hello.jar";
    QTest::newRow("trailing slash") << "h" << "dir/" << "ftp://h:21 dir/Hello.jar";
}

void CurlFtpClientTest::addresses()
{
    QFETCH(QString, host);
    QFETCH(QString, folder);
    QFETCH(QString, address);
    QCOMPARE(ftpServerAddress(host) + QLatin1Char(' ') + ftpFilePath(folder, QStringLiteral("Hello.jar")), address);
}

void CurlFtpClientTest::connectResults_data()
{
    QTest::addColumn<QString>("host");  // "<server>" for the test server
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("result");
    QTest::newRow("logged in") << "<server>" << "user" << "secret" << 0;
    QTest::newRow("wrong password") << "<server>" << "user" << "wrong" << 1;
    QTest::newRow("unknown user") << "<server>" << "nobody" << "secret" << 1;
    QTest::newRow("host does not resolve") << "nosuchhost.invalid" << "user" << "secret" << 11001;
    QTest::newRow("closed port") << "<closed>" << "user" << "secret" << -1;
}

void CurlFtpClientTest::connectResults()
{
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, result);
    if (host == QLatin1String("<server>"))
        host = m_server.hostAndPort();
    else if (host == QLatin1String("<closed>"))
        host = QStringLiteral("127.0.0.1:%1").arg(freePort());
    CurlFtpClientFactory factory(5, 5);
    auto client = factory.create();
    QCOMPARE(client->Connect(host, user, password), result);
    QVERIFY(!client->GetReply().contains(password));
    QVERIFY(!client->GetReply().contains(QStringLiteral("PASS")));
    client->Close();
    client->Close();
}

void CurlFtpClientTest::silentServerTimesOut()
{
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    CurlFtpClientFactory factory(2, 2);
    auto client = factory.create();
    QElapsedTimer timer;
    timer.start();
    const int result = client->Connect(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), QStringLiteral("u"),
                                       QStringLiteral("p"));
    QVERIFY2(result == -1 || result == -2, qPrintable(QString::number(result)));
    QVERIFY(timer.elapsed() < 15000);
    QVERIFY(!client->GetReply().isEmpty());
}

void CurlFtpClientTest::storesIntoFolders_data()
{
    QTest::addColumn<QString>("folder");   // as given to PutFile
    QTest::addColumn<QString>("onServer"); // below the root
    QTest::addColumn<int>("mode");
    QTest::newRow("login folder") << "" << "" << 1;
    QTest::newRow("relative") << "apps" << "apps" << 1;
    QTest::newRow("absolute") << "/apps" << "apps" << 0;
    QTest::newRow("blank and Japanese") << "i アプリ/新作" << "i アプリ/新作" << 1;
}

void CurlFtpClientTest::storesIntoFolders()
{
    QFETCH(QString, folder);
    QFETCH(QString, onServer);
    QFETCH(int, mode);
    QVERIFY(QDir(m_server.root()).mkpath(onServer.isEmpty() ? QStringLiteral(".") : onServer));
    const QString local = writeFile(m_local.filePath(QStringLiteral("Hello.htm")), "<HTML></HTML>\r\n");
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()), 0);
    QCOMPARE(client->PutFile(local, folder, mode), 1);
    client->Close();
    const QString stored = m_server.root() + QLatin1Char('/') + (onServer.isEmpty() ? QString() : onServer + QLatin1Char('/'));
    QCOMPARE(readBytes(stored + QStringLiteral("Hello.htm")),
             QByteArray("<HTML></HTML>\r\n"));
}

void CurlFtpClientTest::binaryArrivesByteForByte()
{
    QByteArray bytes;
    for (int round = 0; round < 20000; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        bytes.append("\r\n\n\r");
    }
    const QString local = writeFile(m_local.filePath(QStringLiteral("Big.jar")), bytes);
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(client->PutFile(local, QString(), 1), 1);
    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(readBytes(m_server.root() + QStringLiteral("/Big.jar")), bytes);
    QVERIFY(client->GetReply().startsWith(QStringLiteral("226")));
}

void CurlFtpClientTest::refusedStoresAreReported_data()
{
    QTest::addColumn<bool>("reader");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("localName");
    QTest::newRow("read-only user") << true << "" << "Hello.jar";
    QTest::newRow("missing folder") << false << "no/such/folder" << "Hello.jar";
    QTest::newRow("missing local file") << false << "" << "Missing.jar";
}

void CurlFtpClientTest::refusedStoresAreReported()
{
    QFETCH(bool, reader);
    QFETCH(QString, folder);
    QFETCH(QString, localName);
    writeFile(m_local.filePath(QStringLiteral("Hello.jar")), "PK");
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), reader ? m_server.readerName() : m_server.writerName(),
                             m_server.writerPassword()),
             0);
    QFile::remove(m_server.root() + QStringLiteral("/Hello.jar"));
    QCOMPARE(client->PutFile(m_local.filePath(localName), folder, 1), 0);
    QVERIFY(!client->GetReply().isEmpty());
    QVERIFY(!QFile::exists(m_server.root() + QStringLiteral("/") + localName));
}

void CurlFtpClientTest::threeFilesOnOneLogin()
{
    const int before = m_server.loginCount();
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()), 0);
    for (const char *name : {"One.jar", "One.jam", "One.htm"})
        QCOMPARE(client->PutFile(writeFile(m_local.filePath(QLatin1String(name)), name), QString(), 1), 1);
    client->Close();
    QTRY_COMPARE(m_server.loginCount(), before + 1);
    QCOMPARE(readBytes(m_server.root() + QStringLiteral("/One.jam")), QByteArray("One.jam"));
}

QTEST_GUILESS_MAIN(CurlFtpClientTest)
#include "tst_curl_ftp_client.moc"
