#include "app/code_page.h"
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
#include <QTimer>

namespace {

QByteArray sjis(const char *utf8) { return toCodePage(QString::fromUtf8(utf8)).value_or("?"); }

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

QByteArray everyByteValue()
{
    QByteArray bytes;
    for (int round = 0; round < 2000; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
        bytes.append("\r\n\n\r");
    }
    return bytes;
}

const QString kStopped = QStringLiteral("転送を中止しました。");

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
    void silentServer_data();
    void silentServer();
    void storesWhatWasSent_data();
    void storesWhatWasSent();
    void refusedStoresAreReported_data();
    void refusedStoresAreReported();
    void threeFilesOnOneLogin();

private:
    QString local(const QString &name) const { return m_local.filePath(name); }

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
    QTest::newRow("blank and Japanese in Windows-31J") << "h" << "my apps/アプリ"
                                                       << "ftp://h:21 my%20apps/%83A%83v%83%8A/Hello.jar";
    QTest::newRow("trailing slash") << "h" << "dir/" << "ftp://h:21 dir/Hello.jar";
    QTest::newRow("not in Windows-31J") << "h" << "한국" << "ftp://h:21 <none>";
}

void CurlFtpClientTest::addresses()
{
    QFETCH(QString, host);
    QFETCH(QString, folder);
    QFETCH(QString, address);
    const std::optional<QByteArray> path = ftpFilePath(folder, QStringLiteral("Hello.jar"));
    QCOMPARE(ftpServerAddress(host) + QLatin1Char(' ') + QString::fromLatin1(path.value_or("<none>")), address);
}

void CurlFtpClientTest::connectResults_data()
{
    QTest::addColumn<QString>("host");  // "<server>" for the test server
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<ConnectResult>("result");
    const ConnectResult notInCodePage = static_cast<ConnectResult>(1043);
    QTest::newRow("logged in") << "<server>" << "user" << "secret" << ConnectResult::Connected;
    QTest::newRow("Japanese user and password in Windows-31J") << "<server>" << "ユーザ" << "秘密"
                                                               << ConnectResult::Connected;
    QTest::newRow("wrong password") << "<server>" << "user" << "wrong" << ConnectResult::LoginRefused;
    QTest::newRow("unknown user") << "<server>" << "nobody" << "secret" << ConnectResult::LoginRefused;
    QTest::newRow("user not in Windows-31J, not sent") << "<server>" << "한" << "secret" << notInCodePage;
    QTest::newRow("password not in Windows-31J, not sent") << "<server>" << "user" << "비밀" << notInCodePage;
    QTest::newRow("host does not resolve") << "nosuchhost.invalid" << "user" << "secret"
                                           << ConnectResult::HostNotFound;
    QTest::newRow("closed port") << "<closed>" << "user" << "secret" << ConnectResult::NoConnection;
}

void CurlFtpClientTest::connectResults()
{
    QFETCH(QString, host);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(ConnectResult, result);
    if (host == QLatin1String("<server>"))
        host = m_server.hostAndPort();
    else if (host == QLatin1String("<closed>"))
        host = QStringLiteral("127.0.0.1:%1").arg(freePort());
    CurlFtpClientFactory factory(5, 5);
    auto client = factory.create();
    QCOMPARE(client->Connect(host, user, password), result);
    QVERIFY(!client->GetReply().isEmpty());
    QVERIFY(!client->GetReply().contains(password));
    QVERIFY(!client->GetReply().contains(QStringLiteral("PASS")));
    client->Close();
    client->Close();
}

void CurlFtpClientTest::silentServer_data()
{
    QTest::addColumn<int>("abortAfterMs");  // -1: never
    QTest::addColumn<int>("timeoutSeconds");
    QTest::addColumn<int>("withinMs");
    QTest::newRow("times out") << -1 << 2 << 15000;
    QTest::newRow("user stops the wait") << 300 << 20 << 3000;
}

void CurlFtpClientTest::silentServer()
{
    QFETCH(int, abortAfterMs);
    QFETCH(int, timeoutSeconds);
    QFETCH(int, withinMs);
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    CurlFtpClientFactory factory(timeoutSeconds, timeoutSeconds);
    if (abortAfterMs >= 0)
        QTimer::singleShot(abortAfterMs, &silent, [&] { factory.abortTransfers(); });
    auto client = factory.create();
    QElapsedTimer timer;
    timer.start();
    const ConnectResult result = client->Connect(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()),
                                                 QStringLiteral("u"), QStringLiteral("p"));
    QVERIFY2(result == ConnectResult::NoConnection || result == ConnectResult::ConnectionBroken,
             qPrintable(QString::number(static_cast<int>(result))));
    QVERIFY(timer.elapsed() < withinMs);
    QVERIFY(!client->GetReply().isEmpty());
    if (abortAfterMs >= 0) {
        QCOMPARE(result, ConnectResult::ConnectionBroken);
        QCOMPARE(client->GetReply(), kStopped);
    }
    // The next upload starts afresh.
    QCOMPARE(factory.create()->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()),
             ConnectResult::Connected);
}

void CurlFtpClientTest::storesWhatWasSent_data()
{
    QTest::addColumn<QString>("folder");  // as given to PutFile
    QTest::addColumn<QString>("name");
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("onServer");
    QTest::addColumn<QString>("type");
    const QByteArray jam = sjis("AppName = ゲーム\r\nAppVer = 1.5\r\n");
    QTest::newRow("text: CR LF goes out once, Windows-31J bytes kept")
        << "" << "Hello.jam" << TransferMode::Text << jam << jam << "A";
    QTest::newRow("text: a lone LF goes out as CR LF")
        << "" << "Hello.htm" << TransferMode::Text << QByteArray("<HTML>\n</HTML>\r\n") << QByteArray("<HTML>\r\n</HTML>\r\n") << "A";
    QTest::newRow("binary: every byte as it is")
        << "" << "Big.jar" << TransferMode::Binary << everyByteValue() << everyByteValue() << "I";
    QTest::newRow("relative folder") << "apps" << "Hello.jar" << TransferMode::Binary << QByteArray("PK")
                                     << QByteArray("PK") << "I";
    QTest::newRow("absolute folder") << "/apps" << "Hello.jar" << TransferMode::Binary << QByteArray("PK")
                                     << QByteArray("PK") << "I";
    QTest::newRow("Japanese folder and file names in Windows-31J")
        << "i アプリ/新作" << "ゲーム.htm" << TransferMode::Text << QByteArray("x\r\n") << QByteArray("x\r\n") << "A";
}

void CurlFtpClientTest::storesWhatWasSent()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(TransferMode, mode);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, onServer);
    QFETCH(QString, type);
    const QString below = folder.mid(folder.startsWith(u'/'));  // the login folder is the server's root
    const QString remote = m_server.root() + QLatin1Char('/') + FtpTestServer::storedName(below);
    QVERIFY(QDir().mkpath(remote));
    QVERIFY(writeBytes(local(name), bytes));
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()),
             ConnectResult::Connected);
    QVERIFY(client->PutFile(local(name), folder, mode));
    QVERIFY(client->GetReply().startsWith(QStringLiteral("226")));
    client->Close();
    QCOMPARE(readBytes(remote + QLatin1Char('/') + FtpTestServer::storedName(name)), onServer);
    QVERIFY(m_server.storeTypes().endsWith(type));
}

void CurlFtpClientTest::refusedStoresAreReported_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("present");  // the local file
    QTest::addColumn<QString>("reply");  // a part of it
    QTest::newRow("read-only user") << "reader" << "" << "Hello.jar" << true << "550";
    QTest::newRow("missing folder") << "user" << "no/such/folder" << "Hello.jar" << true << "550";
    QTest::newRow("missing local file") << "user" << "" << "Missing.jar" << false << "Missing.jar";
    QTest::newRow("file name not in Windows-31J") << "user" << "" << "한.jar" << true << "한.jar";
    QTest::newRow("folder not in Windows-31J") << "user" << "한" << "Hello.jar" << true << "한";
    QTest::newRow("user stops a store the server never answers") << "silent" << "" << "Hello.jar" << true
                                                                 << kStopped;
}

void CurlFtpClientTest::refusedStoresAreReported()
{
    QFETCH(QString, user);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, present);
    QFETCH(QString, reply);
    QVERIFY(!present || writeBytes(local(name), "PK"));
    CurlFtpClientFactory factory;
    auto client = factory.create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), user, m_server.writerPassword()), ConnectResult::Connected);
    QFile::remove(m_server.root() + QLatin1Char('/') + name);
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, &stopper, [&] { factory.abortTransfers(); });
    if (user == m_server.silentName())
        stopper.start(300);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!client->PutFile(local(name), folder, TransferMode::Binary));
    QVERIFY(timer.elapsed() < 3000);
    QVERIFY2(client->GetReply().contains(reply), qPrintable(client->GetReply()));
    QVERIFY(!QFile::exists(m_server.root() + QLatin1Char('/') + name));
}

void CurlFtpClientTest::threeFilesOnOneLogin()
{
    const int before = m_server.loginCount();
    auto client = CurlFtpClientFactory().create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), m_server.writerName(), m_server.writerPassword()),
             ConnectResult::Connected);
    // Text, binary, text: the type must change back and forth on one connection.
    const QList<std::pair<const char *, TransferMode>> files = {
        {"One.jam", TransferMode::Text}, {"One.jar", TransferMode::Binary}, {"One.htm", TransferMode::Text}};
    for (const auto &[name, mode] : files) {
        QVERIFY(writeBytes(local(QLatin1String(name)), QByteArray(name) + "\r\n"));
        QVERIFY(client->PutFile(local(QLatin1String(name)), QString(), mode));
    }
    client->Close();
    QTRY_COMPARE(m_server.loginCount(), before + 1);
    QVERIFY(m_server.storeTypes().endsWith(QStringLiteral("AIA")));
    QCOMPARE(readBytes(m_server.root() + QStringLiteral("/One.jar")), QByteArray("One.jar\r\n"));
}

QTEST_GUILESS_MAIN(CurlFtpClientTest)
#include "tst_curl_ftp_client.moc"
