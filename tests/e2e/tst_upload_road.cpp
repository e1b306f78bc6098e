// The upload against a real FTP server on 127.0.0.1, with the real client
// and the real descriptor and page writers.

#include "deploy/curl_ftp_client.h"
#include "deploy/upload.h"
#include "ftp_test_server.h"
#include "project_sandbox.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

class tst_UploadRoad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void completeUpload_data();
    void completeUpload();

private:
    FtpTestServer m_server;
};

void tst_UploadRoad::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

void tst_UploadRoad::completeUpload_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("folder below the login folder") << QStringLiteral("public_html");
    QTest::newRow("the login folder itself") << QString();
    QTest::newRow("blank and Japanese in the folder name") << QString::fromUtf8("公開 アプリ");
}

void tst_UploadRoad::completeUpload()
{
    QFETCH(QString, folder);
    const QString remote = m_server.root() + QLatin1Char('/') + FtpTestServer::storedName(folder);
    QVERIFY(QDir().mkpath(remote));
    const QString host = m_server.hostAndPort();
    ProjectSandbox box(uploadOptions(host, QStringLiteral("user"), folder));
    QVERIFY(box.isValid() && box.writeFile(QStringLiteral("bin/Hello.jar"), everyByteValue()));
    CurlFtpClientFactory ftp;
    Services services{box.store, box.bench, box.runners, ftp, box.clock};
    const QString types = m_server.storeTypes();

    QVERIFY2(Upload_Click(services), qPrintable(box.bench.log));

    const QString bin = box.inProject(QStringLiteral("bin/Hello"));
    const QString sent = QString::fromUtf8("をサーバにアップロードしています。1...成功\r\n");
    QCOMPARE(box.bench.log,
             QString::fromUtf8("\r\nJAMファイルの生成中...\r\n%1.jamに生成しました。\r\nHTMLファイルの生成中...\r\n"
                               "\r\nHTMLファイルを保存しました。%1.htm\r\n\r\n%2に接続しています。\r\n%2に接続しました。\r\n")
                     .arg(bin, host)
                 + "Hello.jar" + sent + "Hello.jam" + sent + "Hello.htm" + sent
                 + QString::fromUtf8("アップロード作業は成功しました。\r\n"
                                     "ケータイで http://www.example.net/i/Hello.htm にアクセスしてください。\r\n"
                                     "%1との接続は切断されました。").arg(host));
    for (const char *extension : {".jar", ".jam", ".htm"}) {
        const QString name = QStringLiteral("/Hello") + QLatin1String(extension);
        QCOMPARE(readBytes(remote + name), readBytes(box.inProject(QStringLiteral("bin") + name)));
        QVERIFY(QFile::remove(remote + name));
    }
    QCOMPARE(m_server.storeTypes(), types + QStringLiteral("IAA"));
    QVERIFY(readBytes(bin + QStringLiteral(".jam")).contains("AppVer = 1.5\r\n"));
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
}

QTEST_GUILESS_MAIN(tst_UploadRoad)
#include "tst_upload_road.moc"
