#include "deploy/upload.h"

#include "upload_sandbox.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTest>
#include <climits>

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kCrLf = QStringLiteral("\r\n");

// What every upload that gets as far as connecting logs first.
QString headOfRoad(const UploadSandbox &box)
{
    return kCrLf + u("JAMファイルの生成中...")
           + kCrLf + box.product(QStringLiteral(".jam")) + u("に生成しました。")
           + kCrLf + u("HTMLファイルの生成中...") + kCrLf
           + kCrLf + u("HTMLファイルを保存しました。") + box.product(QStringLiteral(".htm")) + kCrLf
           + kCrLf + u("ftp.example.netに接続しています。");
}

const QString kDisconnected = kCrLf + u("ftp.example.netとの接続は切断されました。");
const QString kAccessRights = kCrLf + u("アクセス権が無いためにファイルを保存できないか、サーバがダウンしました。"
                                        "アクセス権の設定を確認し、もう一度試してみてください。");

QString uploading(const QString &file, const QString &outcome)
{
    return kCrLf + file + u("をサーバにアップロードしています。") + outcome;
}

} // namespace

class tst_Upload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void road_data();
    void road();
    void sendsTheThreeProductsToTheRemoteFolder();
    void storesTheNewVersionBeforeSending();
    void closedGateChangesNothing();
    void everyClickRaisesTheVersion();
    void versionAtItsLimitSendsNothing();
    void unwritableProductEndsBeforeTheServer_data();
    void unwritableProductEndsBeforeTheServer();
    void missingClientEndsBeforeTheServer();
    void nothingLeavesWithoutAStoredVersion_data();
    void nothingLeavesWithoutAStoredVersion();
};

void tst_Upload::road_data()
{
    QTest::addColumn<ConnectResult>("connectResult");
    QTest::addColumn<QList<bool>>("putResults");
    QTest::addColumn<QString>("tail");  // after the connecting line, before the disconnection line
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("succeeded");

    const QString connected = kCrLf + u("ftp.example.netに接続しました。");
    const QString connect = QStringLiteral("Connect ftp.example.net alice");
    const QStringList closing = {QStringLiteral("GetReply"), QStringLiteral("Close")};
    auto put = [](const char *extension) { return QStringLiteral("PutFile ") + extension; };

    QTest::newRow("complete upload")
        << ConnectResult::Connected << QList<bool>{}
        << connected + uploading(QStringLiteral("Hello.jar"), u("1...成功"))
               + uploading(QStringLiteral("Hello.jam"), u("1...成功"))
               + uploading(QStringLiteral("Hello.htm"), u("1...成功"))
               + kCrLf + u("アップロード作業は成功しました。")
               + kCrLf + u("ケータイで http://web.example.net/i/Hello.htm にアクセスしてください。")
        << (QStringList{connect, put(".jar"), put(".jam"), put(".htm")} + closing) << true;
    QTest::newRow("host name does not resolve")
        << ConnectResult::HostNotFound << QList<bool>{}
        << kCrLf + u("ftp.example.netが見つかりません。") + kCrLf + u("URLが正しいかどうか確認してください。")
        << (QStringList{connect} + closing) << false;
    QTest::newRow("no connection")
        << ConnectResult::NoConnection << QList<bool>{}
        << kCrLf + u("ftp.example.netとの接続に障害が起きました。") + kCrLf + u("もう一度再接続してみてください。")
        << (QStringList{connect} + closing) << false;
    QTest::newRow("connection broke off")
        << ConnectResult::ConnectionBroken << QList<bool>{}
        << kCrLf + u("ftp.example.netとの接続に障害が起きました。") + kCrLf + u("もう一度再接続してみてください。")
        << (QStringList{connect} + closing) << false;
    QTest::newRow("login refused")
        << ConnectResult::LoginRefused << QList<bool>{}
        << kCrLf + u("ユーザ名またはパスワードが正しくありません。")
        << (QStringList{connect} + closing) << false;
    QTest::newRow("other failure explained by the reply")
        << static_cast<ConnectResult>(12) << QList<bool>{}
        << kCrLf + u("エラーコード：12 R")
        << (QStringList{connect, QStringLiteral("GetReply")} + closing) << false;
    QTest::newRow("archive refused")
        << ConnectResult::Connected << QList<bool>{false}
        << connected + uploading(QStringLiteral("Hello.jar"), u("0...失敗")) + kAccessRights
        << (QStringList{connect, put(".jar")} + closing) << false;
    QTest::newRow("page refused after two stored")
        << ConnectResult::Connected << QList<bool>{true, true, false}
        << connected + uploading(QStringLiteral("Hello.jar"), u("1...成功"))
               + uploading(QStringLiteral("Hello.jam"), u("1...成功"))
               + uploading(QStringLiteral("Hello.htm"), u("0...失敗")) + kAccessRights
        << (QStringList{connect, put(".jar"), put(".jam"), put(".htm")} + closing) << false;
}

void tst_Upload::road()
{
    QFETCH(ConnectResult, connectResult);
    QFETCH(QList<bool>, putResults);
    QFETCH(QString, tail);
    QFETCH(QStringList, calls);
    QFETCH(bool, succeeded);

    UploadSandbox box;
    QVERIFY(box.isValid());
    box.ftp.connectResult = connectResult;
    box.ftp.putResults = putResults;
    box.ftp.reply = QStringLiteral("R");
    Services services = box.services();

    QCOMPARE(Upload_Click(services), succeeded);
    QCOMPARE(box.bench.log, headOfRoad(box) + tail + kDisconnected);

    // The calls name the local files by their full path; compare by extension.
    QStringList shortCalls;
    for (const QString &call : box.ftp.calls)
        shortCalls << (call.startsWith(QLatin1String("PutFile ")) ? QStringLiteral("PutFile ") + call.right(4) : call);
    QCOMPARE(shortCalls, calls);
    QVERIFY(box.bench.messages.isEmpty());
}

void tst_Upload::sendsTheThreeProductsToTheRemoteFolder()
{
    UploadSandbox box;
    QVERIFY(box.isValid());
    Services services = box.services();
    QVERIFY(Upload_Click(services));

    QCOMPARE(box.ftp.puts.size(), 3);
    const QString extensions[] = {QStringLiteral(".jar"), QStringLiteral(".jam"), QStringLiteral(".htm")};
    const TransferMode modes[] = {TransferMode::Binary, TransferMode::Text, TransferMode::Text};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(box.ftp.puts[i].localPath, box.product(extensions[i]));
        QCOMPARE(box.ftp.puts[i].remoteFolder, QStringLiteral("public_html/i"));
        QCOMPARE(box.ftp.puts[i].mode, modes[i]);
    }
}

void tst_Upload::storesTheNewVersionBeforeSending()
{
    UploadSandbox box;
    QVERIFY(box.isValid());
    box.ftp.connectResult = ConnectResult::LoginRefused;
    Services services = box.services();
    Upload_Click(services);

    QCOMPARE(box.store.settings().minor, 5);
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
    QVERIFY(UploadSandbox::readBytes(box.store.settingsFilePath()).contains("minor=5\r\n"));
    QVERIFY(UploadSandbox::readBytes(box.product(QStringLiteral(".jam"))).contains("AppVer = 1.5\r\n"));
    QVERIFY(UploadSandbox::readBytes(box.product(QStringLiteral(".htm"))).contains("http://web.example.net/i/Hello.jam"));
}

void tst_Upload::closedGateChangesNothing()
{
    UploadSandbox box;
    QVERIFY(box.isValid());
    box.bench.windowFlags.CanUpload = false;
    const QByteArray settingsBefore = UploadSandbox::readBytes(box.store.settingsFilePath());
    Services services = box.services();

    QVERIFY(!Upload_Click(services));
    QCOMPARE(UploadSandbox::readBytes(box.store.settingsFilePath()), settingsBefore);
    QCOMPARE(box.store.settings().minor, 4);
    QVERIFY(!QFile::exists(box.product(QStringLiteral(".jam"))));
    QVERIFY(!QFile::exists(box.product(QStringLiteral(".htm"))));
    QVERIFY(box.bench.log.isEmpty());
    QVERIFY(box.ftp.calls.isEmpty());
    QVERIFY(!box.bench.windowFlags.CanUpload);
}

void tst_Upload::everyClickRaisesTheVersion()
{
    UploadSandbox box;
    QVERIFY(box.isValid());
    Services services = box.services();
    for (ConnectResult result :
         {ConnectResult::HostNotFound, ConnectResult::NoConnection, ConnectResult::LoginRefused}) {
        box.ftp.connectResult = result;
        QVERIFY(!Upload_Click(services));
    }
    box.ftp.connectResult = ConnectResult::Connected;
    QVERIFY(Upload_Click(services));

    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 8);
    QVERIFY(UploadSandbox::readBytes(box.product(QStringLiteral(".jam"))).contains("AppVer = 1.8\r\n"));
    QVERIFY(box.bench.windowFlags.CanUpload);
}

void tst_Upload::versionAtItsLimitSendsNothing()
{
    UploadSandbox box({}, QString::number(INT_MAX));
    QVERIFY(box.isValid());
    QCOMPARE(box.store.settings().minor, INT_MAX);
    const QByteArray settingsBefore = UploadSandbox::readBytes(box.store.settingsFilePath());
    Services services = box.services();

    QVERIFY(!Upload_Click(services));
    QCOMPARE(box.bench.log, kCrLf + u("バージョン番号がこれ以上上げられません。Tovra.iniのminorを確認してください。"));
    QCOMPARE(box.store.settings().minor, INT_MAX);
    QCOMPARE(UploadSandbox::readBytes(box.store.settingsFilePath()), settingsBefore);
    QVERIFY(!QFile::exists(box.product(QStringLiteral(".jam"))));
    QVERIFY(box.ftp.calls.isEmpty());
}

void tst_Upload::unwritableProductEndsBeforeTheServer_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::newRow("descriptor") << QStringLiteral(".jam");
    QTest::newRow("page") << QStringLiteral(".htm");
}

void tst_Upload::unwritableProductEndsBeforeTheServer()
{
    QFETCH(QString, blocked);
    UploadSandbox box;
    QVERIFY(box.isValid());
    // A folder where the file belongs: no write can replace it.
    QVERIFY(QDir().mkpath(box.product(blocked)));
    Services services = box.services();

    QVERIFY(!Upload_Click(services));
    const QString failure = kCrLf + box.product(blocked) + u("の保存に失敗しました。アップロードを中止します。")
                            + kCrLf + box.product(blocked) + QStringLiteral(": %WHY%");
    QString expected = kCrLf + u("JAMファイルの生成中...");
    if (blocked == QLatin1String(".jam"))
        expected += failure;
    else
        expected += kCrLf + box.product(QStringLiteral(".jam")) + u("に生成しました。")
                    + kCrLf + u("HTMLファイルの生成中...") + kCrLf + failure;
    // The system words the reason, after the path.
    QString actual = box.bench.log;
    actual.replace(QRegularExpression(QStringLiteral(": [^\r\n]+$")), QStringLiteral(": %WHY%"));
    QCOMPARE(actual, expected);
    QVERIFY(box.ftp.calls.isEmpty());
    // What was done before stays done.
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
}

void tst_Upload::missingClientEndsBeforeTheServer()
{
    UploadSandbox box;
    QVERIFY(box.isValid());
    box.ftp.failCreation = true;
    Services services = box.services();

    QVERIFY(!Upload_Click(services));
    QString expected = headOfRoad(box);
    expected.chop((kCrLf + u("ftp.example.netに接続しています。")).size());
    expected += kCrLf + u("FTPクライアントを作成できませんでした。アップロードを中止します。");
    QCOMPARE(box.bench.log, expected);
    QVERIFY(QFile::exists(box.product(QStringLiteral(".htm"))));
}

void tst_Upload::nothingLeavesWithoutAStoredVersion_data()
{
    QTest::addColumn<QString>("setUp");  // "unwritable", "raisedMeanwhile", "noArchive"
    QTest::addColumn<QString>("appVer");  // in the descriptor sent; empty: nothing sent

    QTest::newRow("settings file not writable") << "unwritable" << QString();
    QTest::newRow("minor raised meanwhile by another writer") << "raisedMeanwhile" << "1.10";
    QTest::newRow("no archive built") << "noArchive" << QString();
}

void tst_Upload::nothingLeavesWithoutAStoredVersion()
{
    QFETCH(QString, setUp);
    QFETCH(QString, appVer);
    UploadSandbox box;
    QVERIFY(box.isValid());
    const QString ini = box.store.settingsFilePath();
    const QString jar = box.product(QStringLiteral(".jar"));
    if (setUp == QLatin1String("unwritable")) {
        // A folder where the lock must go takes no write, while the file still reads.
        QVERIFY(QDir().mkpath(ini + QStringLiteral(".lock/held")));
    } else if (setUp == QLatin1String("raisedMeanwhile")) {
        QVERIFY(box.store.WriteIniString(QStringLiteral("Hello"), QStringLiteral("minor"), QStringLiteral("9")));
    } else {
        QVERIFY(QFile::remove(jar));
    }
    const QByteArray iniBefore = UploadSandbox::readBytes(ini);
    Services services = box.services();

    QCOMPARE(Upload_Click(services), !appVer.isEmpty());
    if (appVer.isEmpty()) {
        QCOMPARE(box.ftp.calls, QStringList());
        QCOMPARE(box.store.settings().minor, 4);
        QCOMPARE(UploadSandbox::readBytes(ini), iniBefore);
        QVERIFY(!QFile::exists(box.product(QStringLiteral(".jam"))));
        const QString expected = setUp == QLatin1String("noArchive")
            ? kCrLf + jar + u("が見つかりません。先にビルドしてください。")
            : kCrLf + ini + u("の保存に失敗しました。");
        QVERIFY2(box.bench.log.startsWith(expected), qPrintable(box.bench.log));
        if (setUp == QLatin1String("unwritable"))
            QVERIFY(box.bench.log.endsWith(kCrLf + u("バージョン番号を保存できなかったため、アップロードを中止します。")));
    } else {
        QVERIFY(UploadSandbox::readBytes(box.product(QStringLiteral(".jam"))).contains("AppVer = " + appVer.toLatin1() + "\r\n"));
        QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), 0), 10);
    }
}

QTEST_GUILESS_MAIN(tst_Upload)
#include "tst_upload.moc"
