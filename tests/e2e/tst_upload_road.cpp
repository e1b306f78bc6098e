// The upload against a real FTP server on 127.0.0.1, with the real client
// and the real descriptor and page writers.

#include "deploy/curl_ftp_client.h"
#include "deploy/upload.h"
#include "ftp_test_server.h"

#include "../deploy/upload_sandbox.h"

#include <QDirIterator>
#include <QStandardPaths>
#include <QTest>

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kCrLf = QStringLiteral("\r\n");

QString headOfRoad(const UploadSandbox &box, const QString &host)
{
    return kCrLf + u("JAMファイルの生成中...")
           + kCrLf + box.product(QStringLiteral(".jam")) + u("に生成しました。")
           + kCrLf + u("HTMLファイルの生成中...") + kCrLf
           + kCrLf + u("HTMLファイルを保存しました。") + box.product(QStringLiteral(".htm")) + kCrLf
           + kCrLf + host + u("に接続しています。");
}

QString uploading(const QString &file) { return kCrLf + file + u("をサーバにアップロードしています。"); }

} // namespace

class tst_UploadRoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_server.stop(); }
    void cleanup();

    void completeUpload_data();
    void completeUpload();
    void failedConnection_data();
    void failedConnection();
    void refusedArchive();

private:
    UploadSandbox::Values serverValues(const QString &user, const QString &password, const QString &folder) const;
    QString host() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.port()); }

    FtpTestServer m_server;
    CurlFtpClientFactory m_ftp;
};

void tst_UploadRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

// Each case starts from a server that holds none of the products.
void tst_UploadRoad::cleanup()
{
    QDirIterator it(m_server.root(), {QStringLiteral("Hello.*")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::remove(it.next());
}

UploadSandbox::Values tst_UploadRoad::serverValues(const QString &user, const QString &password,
                                                   const QString &folder) const
{
    return {{QStringLiteral("FtpUrl"), host()},
            {QStringLiteral("FtpId"), user},
            {QStringLiteral("FtpPassword"), password},
            {QStringLiteral("FtpPath"), folder}};
}

void tst_UploadRoad::completeUpload_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder below the login folder") << QStringLiteral("public_html");
    QTest::newRow("the login folder itself") << QString();
    QTest::newRow("blank and Japanese in the folder name") << u("公開 アプリ");
}

void tst_UploadRoad::completeUpload()
{
    QFETCH(QString, folder);
    const QString remote = folder.isEmpty() ? m_server.root()
                                            : m_server.root() + QLatin1Char('/') + FtpTestServer::storedName(folder);
    QVERIFY(QDir().mkpath(remote));
    UploadSandbox box(serverValues(m_server.writerName(), m_server.writerPassword(), folder));
    QVERIFY(box.isValid());
    Services services{box.store, box.bench, box.runners, m_ftp, box.clock};

    QVERIFY2(Upload_Click(services), qPrintable(box.bench.log));

    const QString done = u("1...成功");
    QCOMPARE(box.bench.log,
             headOfRoad(box, host()) + kCrLf + host() + u("に接続しました。")
                 + uploading(QStringLiteral("Hello.jar")) + done
                 + uploading(QStringLiteral("Hello.jam")) + done
                 + uploading(QStringLiteral("Hello.htm")) + done
                 + kCrLf + u("アップロード作業は成功しました。")
                 + kCrLf + u("ケータイで http://web.example.net/i/Hello.htm にアクセスしてください。")
                 + kCrLf + host() + u("との接続は切断されました。"));

    QCOMPARE(UploadSandbox::readBytes(remote + QStringLiteral("/Hello.jar")), UploadSandbox::archive());
    const QByteArray jam = UploadSandbox::readBytes(box.product(QStringLiteral(".jam")));
    QVERIFY(jam.contains("AppVer = 1.5\r\n"));
    QCOMPARE(UploadSandbox::readBytes(remote + QStringLiteral("/Hello.jam")), jam);
    QCOMPARE(UploadSandbox::readBytes(remote + QStringLiteral("/Hello.htm")),
             UploadSandbox::readBytes(box.product(QStringLiteral(".htm"))));
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
}

void tst_UploadRoad::failedConnection_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("lines");  // %1 is the server as written in FtpUrl

    QTest::newRow("unknown host") << QStringLiteral("ftp.nowhere.invalid") << QString()
                                  << u("\r\n%1が見つかりません。\r\nURLが正しいかどうか確認してください。");
    // Port 1 on the loopback: nothing listens there.
    QTest::newRow("closed port") << QStringLiteral("127.0.0.1:1") << QString()
                                 << u("\r\n%1との接続に障害が起きました。\r\nもう一度再接続してみてください。");
    QTest::newRow("wrong password") << QString() << QStringLiteral("not-the-password")
                                    << u("\r\nユーザ名またはパスワードが正しくありません。");
}

void tst_UploadRoad::failedConnection()
{
    QFETCH(QString, server);
    QFETCH(QString, password);
    QFETCH(QString, lines);
    if (server.isEmpty())
        server = host();
    if (password.isEmpty())
        password = m_server.writerPassword();
    UploadSandbox::Values values = serverValues(m_server.writerName(), password, QString());
    values[0].second = server;
    UploadSandbox box(values);
    QVERIFY(box.isValid());
    Services services{box.store, box.bench, box.runners, m_ftp, box.clock};

    QVERIFY(!Upload_Click(services));
    QCOMPARE(box.bench.log, headOfRoad(box, server) + lines.replace(QStringLiteral("%1"), server) + kCrLf + server + u("との接続は切断されました。"));
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
}

void tst_UploadRoad::refusedArchive()
{
    UploadSandbox box(serverValues(m_server.readerName(), m_server.readerPassword(), QString()));
    QVERIFY(box.isValid());
    Services services{box.store, box.bench, box.runners, m_ftp, box.clock};

    QVERIFY(!Upload_Click(services));
    const QString head = headOfRoad(box, host()) + kCrLf + host() + u("に接続しました。") + uploading(QStringLiteral("Hello.jar"));
    QVERIFY2(box.bench.log.startsWith(head), qPrintable(box.bench.log));
    const QString rest = box.bench.log.mid(head.size());
    const QStringList lines = rest.split(kCrLf);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], u("0...失敗"));
    QCOMPARE(lines[1], u("アクセス権が無いためにファイルを保存できないか、サーバがダウンしました。"
                         "アクセス権の設定を確認し、もう一度試してみてください。"));
    QCOMPARE(lines[2], host() + u("との接続は切断されました。"));
    QVERIFY(!QFile::exists(m_server.root() + QStringLiteral("/Hello.jar")));
}

QTEST_GUILESS_MAIN(tst_UploadRoad)
#include "tst_upload_road.moc"
