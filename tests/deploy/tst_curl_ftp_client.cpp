#include "app/code_page.h"
#include "deploy/curl_ftp_client.h"
#include "ftp_test_server.h"
#include "file_bytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
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

const QString kStopped = QStringLiteral("転送を中止しました。");

} // namespace

class CurlFtpClientTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }
    void connectResults_data();
    void connectResults();
    void silentServer_data();
    void silentServer();
    void storesWhatWasSent_data();
    void storesWhatWasSent();

private:
    QString local(const QString &name) const { return m_local.filePath(name); }

    FtpTestServer m_server;
    QTemporaryDir m_local;
};

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
    if (host == QLatin1String("<server>"))
        host = m_server.hostAndPort();
    else if (host == QLatin1String("<closed>"))
        host = QStringLiteral("127.0.0.1:%1").arg(freePort());
    CurlFtpClientFactory factory(5, 5);
    auto client = factory.create();
    QTEST(client->Connect(host, user, password), "result");
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
    QCOMPARE(factory.create()->Connect(m_server.hostAndPort(), QStringLiteral("user"), QStringLiteral("secret")),
             ConnectResult::Connected);
}

void CurlFtpClientTest::storesWhatWasSent_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("folder");  // as given to PutFile
    QTest::addColumn<QString>("name");
    QTest::addColumn<TransferMode>("mode");
    QTest::addColumn<QByteArray>("bytes");     // null: no such local file
    QTest::addColumn<QByteArray>("onServer");  // null: not stored
    QTest::addColumn<QString>("reply");        // a part of it
    const auto text = TransferMode::Text;
    const auto binary = TransferMode::Binary;
    const QByteArray jam = sjis("AppName = ゲーム\r\nAppVer = 1.5\r\n");
    const QByteArray pk("PK");
    QTest::newRow("text: CR LF goes out once, Windows-31J bytes kept")
        << "user" << "" << "Hello.jam" << text << jam << jam << "226";
    QTest::newRow("text: a lone LF goes out as CR LF") << "user" << "" << "Hello.htm" << text
        << QByteArray("<HTML>\n</HTML>\r\n") << QByteArray("<HTML>\r\n</HTML>\r\n") << "226";
    QTest::newRow("binary: every byte as it is")
        << "user" << "" << "Big.jar" << binary << everyByteValue() << everyByteValue() << "226";
    QTest::newRow("relative folder") << "user" << "apps" << "Hello.jar" << binary << pk << pk << "226";
    QTest::newRow("trailing slash") << "user" << "apps/" << "Hello.jar" << binary << pk << pk << "226";
    QTest::newRow("absolute folder") << "user" << "/apps" << "Hello.jar" << binary << pk << pk << "226";
    QTest::newRow("Japanese folder and file names in Windows-31J")
        << "user" << "i アプリ/新作" << "ゲーム.htm" << text << QByteArray("x\r\n") << QByteArray("x\r\n") << "226";
    QTest::newRow("read-only user") << "reader" << "" << "Ro.jar" << binary << pk << QByteArray() << "550";
    QTest::newRow("folder missing on the server: the reply names it")
        << "user" << "missing" << "Hello.jar" << binary << pk << QByteArray() << "550 No such file or directory";
    QTest::newRow("missing local file") << "user" << "" << "Missing.jar" << binary << QByteArray() << QByteArray()
                                        << "Missing.jar";
    QTest::newRow("file name not in Windows-31J") << "user" << "" << "한.jar" << binary << pk << QByteArray() << "한.jar";
    QTest::newRow("user stops a store the server never answers")
        << "silent" << "" << "Silent.jar" << binary << pk << QByteArray() << kStopped;
}

void CurlFtpClientTest::storesWhatWasSent()
{
    QFETCH(QString, user);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(TransferMode, mode);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, onServer);
    QFETCH(QString, reply);
    const QString below = folder.mid(folder.startsWith(u'/'));  // the login folder is the server's root
    const QString remote = m_server.root() + QLatin1Char('/') + FtpTestServer::storedName(below);
    // The folder named "missing" is left for the server to miss.
    QVERIFY(folder == QLatin1String("missing") || QDir().mkpath(remote));
    QVERIFY(bytes.isNull() || writeBytes(local(name), bytes));
    CurlFtpClientFactory factory;
    auto client = factory.create();
    QCOMPARE(client->Connect(m_server.hostAndPort(), user, QStringLiteral("secret")), ConnectResult::Connected);
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, &stopper, [&] { factory.abortTransfers(); });
    if (user == QLatin1String("silent"))
        stopper.start(300);
    QElapsedTimer timer;
    timer.start();
    const QString typesBefore = m_server.storeTypes();

    const Result<> put = client->PutFile(local(name), folder, mode);
    QCOMPARE(put.ok(), !onServer.isNull());
    QVERIFY(put || put.error() == client->GetReply());
    QVERIFY(timer.elapsed() < 3000);
    QVERIFY2(client->GetReply().contains(reply), qPrintable(client->GetReply()));
    client->Close();
    const QString stored = remote + QLatin1Char('/') + FtpTestServer::storedName(name);
    QCOMPARE(QFileInfo(stored).isFile(), !onServer.isNull());
    if (!onServer.isNull()) {
        QCOMPARE(readBytes(stored), onServer);
        QCOMPARE(m_server.storeTypes(), typesBefore + (mode == TransferMode::Text ? "A" : "I"));
    }
}

QTEST_GUILESS_MAIN(CurlFtpClientTest)
#include "tst_curl_ftp_client.moc"
