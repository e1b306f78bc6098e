#include "deploy/upload.h"

#include "project_sandbox.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kCrLf = QStringLiteral("\r\n");
const QString kJamHead = kCrLf + u("JAMファイルの生成中...");
const QString kJamDone = kCrLf + u("%jamに生成しました。");
const QString kHtmHead = kCrLf + u("HTMLファイルの生成中...") + kCrLf;
const QString kProducts = kJamHead + kJamDone + kHtmHead + kCrLf + u("HTMLファイルを保存しました。%htm") + kCrLf;

QString uploading(const char *file, const char *outcome)
{
    return kCrLf + QLatin1String(file) + u("をサーバにアップロードしています。") + u(outcome);
}

QString expand(QString text, const ProjectSandbox &box)
{
    return text.replace(QStringLiteral("%ini"), box.store.settingsFilePath())
        .replace(QStringLiteral("%jar"), box.inProject(QStringLiteral("bin/Hello.jar")))
        .replace(QStringLiteral("%jam"), box.inProject(QStringLiteral("bin/Hello.jam")))
        .replace(QStringLiteral("%htm"), box.inProject(QStringLiteral("bin/Hello.htm")))
        .replace(QStringLiteral("%nativejam"), QDir::toNativeSeparators(box.inProject(QStringLiteral("bin/Hello.jam"))))
        .replace(QStringLiteral("%nativehtm"), QDir::toNativeSeparators(box.inProject(QStringLiteral("bin/Hello.htm"))));
}

// A "*" in the expected text stands for whatever a system error says.
void compareLog(const QString &log, const QString &expected)
{
    QStringList parts = expected.split(QLatin1Char('*'));
    for (QString &part : parts)
        part = QRegularExpression::escape(part);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))),
                                     QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(log).hasMatch(), qPrintable(log));
}

} // namespace

class tst_Upload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void road_data();
    void road();
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
    const QString broken = kCrLf + u("ftp.example.netとの接続に障害が起きました。") + kCrLf + u("もう一度再接続してみてください。");
    // The fixed line, then the server's own reply (the fake's is "R").
    const QString refused = kCrLf + u("アクセス権が無いためにファイルを保存できないか、サーバがダウンしました。"
                                      "アクセス権の設定を確認し、もう一度試してみてください。")
                            + kCrLf + u("R");
    const QString connect = QStringLiteral("Connect ftp.example.net alice");
    const QStringList closing = {QStringLiteral("GetReply"), QStringLiteral("Close")};
    const QString jar = QStringLiteral("PutFile bin/Hello.jar public_html/i binary");
    const QStringList all = {connect, jar, QStringLiteral("PutFile bin/Hello.jam public_html/i text"),
                             QStringLiteral("PutFile bin/Hello.htm public_html/i text")};

    QTest::newRow("complete upload")
        << ConnectResult::Connected << QList<bool>{}
        << connected + uploading("Hello.jar", "1...成功") + uploading("Hello.jam", "1...成功")
               + uploading("Hello.htm", "1...成功") + kCrLf + u("アップロード作業は成功しました。")
               + kCrLf + u("ケータイで http://www.example.net/i/Hello.htm にアクセスしてください。")
        << all + closing << true;
    QTest::newRow("host name does not resolve")
        << ConnectResult::HostNotFound << QList<bool>{}
        << kCrLf + u("ftp.example.netが見つかりません。") + kCrLf + u("URLが正しいかどうか確認してください。")
        << QStringList{connect} + closing << false;
    QTest::newRow("no connection") << ConnectResult::NoConnection << QList<bool>{} << broken
                                   << QStringList{connect} + closing << false;
    QTest::newRow("connection broke off") << ConnectResult::ConnectionBroken << QList<bool>{} << broken
                                          << QStringList{connect} + closing << false;
    QTest::newRow("login refused")
        << ConnectResult::LoginRefused << QList<bool>{} << kCrLf + u("ユーザ名またはパスワードが正しくありません。")
        << QStringList{connect} + closing << false;
    QTest::newRow("other failure explained by the reply")
        << static_cast<ConnectResult>(12) << QList<bool>{} << kCrLf + u("エラーコード：12 R")
        << QStringList{connect, QStringLiteral("GetReply")} + closing << false;
    QTest::newRow("archive refused")
        << ConnectResult::Connected << QList<bool>{false} << connected + uploading("Hello.jar", "0...失敗") + refused
        << QStringList{connect, jar} + closing << false;
    QTest::newRow("page refused after two stored")
        << ConnectResult::Connected << QList<bool>{true, true, false}
        << connected + uploading("Hello.jar", "1...成功") + uploading("Hello.jam", "1...成功")
               + uploading("Hello.htm", "0...失敗") + refused
        << all + closing << false;
}

void tst_Upload::road()
{
    QFETCH(ConnectResult, connectResult);
    QFETCH(QList<bool>, putResults);
    QFETCH(QString, tail);
    ProjectSandbox box(uploadOptions());
    QVERIFY(box.isValid() && box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));
    box.ftp.connectResult = connectResult;
    box.ftp.putResults = putResults;
    box.ftp.reply = QStringLiteral("R");
    Services services = box.services();
    OpenedProject project = box.project();

    Upload_Click(services, project);
    QTEST(box.bench.results.value(0), "succeeded");
    QCOMPARE(box.bench.log, expand(kProducts, box) + kCrLf + u("ftp.example.netに接続しています。") + tail
                                + kCrLf + u("ftp.example.netとの接続は切断されました。"));
    QTEST(box.ftp.calls.replaceInStrings(box.projectFolder() + QLatin1Char('/'), QString()), "calls");
    QVERIFY(box.bench.messages.isEmpty());
    // Whatever the server does, the version sent is stored first.
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), -1), 5);
    QCOMPARE(project.minor, 5);
    QVERIFY(readBytes(box.inProject(QStringLiteral("bin/Hello.jam"))).contains("AppVer = 1.5\r\n"));
}

void tst_Upload::nothingLeavesWithoutAStoredVersion_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("minor");     // in the file before
    QTest::addColumn<int>("storedMinor");   // in the file after
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("appVer");    // in the descriptor written; empty: none written
    QTest::addColumn<int>("puts");

    const QString aborted = u("の保存に失敗しました。アップロードを中止します。");
    QTest::newRow("settings file not writable")
        << "unwritable" << "4" << 4
        << kCrLf + u("%iniの保存に失敗しました。*") + kCrLf + u("バージョン番号を保存できなかったため、アップロードを中止します。")
        << QString() << 0;
    QTest::newRow("no archive built") << "noArchive" << "4" << 4
                                      << kCrLf + u("%jarが見つかりません。先にビルドしてください。") << QString() << 0;
    QTest::newRow("version at its limit")
        << "" << "2147483647" << 2147483647
        << kCrLf + u("バージョン番号がこれ以上上げられません。Tovra.iniのminorを確認してください。") << QString() << 0;
    QTest::newRow("descriptor not writable") << "block.jam" << "4" << 5 << kJamHead + kCrLf + "%jam" + aborted + kCrLf + "%nativejam: *"
                                             << QString() << 0;
    QTest::newRow("page not writable") << "block.htm" << "4" << 5
                                       << kJamHead + kJamDone + kHtmHead + kCrLf + "%htm" + aborted + kCrLf + "%nativehtm: *" << "1.5" << 0;
    QTest::newRow("no FTP client")
        << "noClient" << "4" << 5 << kProducts + kCrLf + u("FTPクライアントを作成できませんでした。アップロードを中止します。")
        << "1.5" << 0;
    QTest::newRow("minor raised meanwhile by another writer") << "raisedMeanwhile" << "4" << 10
                                                              << u("*アップロード作業は成功しました。*") << "1.10" << 3;
}

void tst_Upload::nothingLeavesWithoutAStoredVersion()
{
    QFETCH(QString, setUp);
    QFETCH(QString, minor);
    QFETCH(int, storedMinor);
    QFETCH(QString, log);
    QFETCH(QString, appVer);
    QFETCH(int, puts);
    ProjectSandbox box(uploadOptions(QStringLiteral("ftp.example.net"), QStringLiteral("alice"),
                                     QStringLiteral("public_html/i"), minor));
    QVERIFY(box.isValid() && box.writeFile(QStringLiteral("bin/Hello.jar"), "PK"));
    const QString ini = box.store.settingsFilePath();
    if (setUp == QLatin1String("unwritable"))  // the lock cannot be taken; the file still reads
        QVERIFY(QDir().mkpath(ini + QStringLiteral(".lock/held")));
    else if (setUp == QLatin1String("noArchive"))
        QVERIFY(QFile::remove(box.inProject(QStringLiteral("bin/Hello.jar"))));
    else if (setUp.startsWith(QLatin1String("block")))  // a folder where the file belongs
        QVERIFY(box.makeFolder(QStringLiteral("bin/Hello") + setUp.mid(5)));
    else if (setUp == QLatin1String("noClient"))
        box.ftp.failCreation = true;
    else if (setUp == QLatin1String("raisedMeanwhile"))
        QVERIFY(box.store.WriteIniString(QStringLiteral("Hello"), QStringLiteral("minor"), QStringLiteral("9")));
    const QByteArray iniBefore = readBytes(ini);
    Services services = box.services();
    OpenedProject project = box.project();

    Upload_Click(services, project);
    QCOMPARE(box.bench.results.value(0), puts == 3);
    compareLog(box.bench.log, expand(log, box));
    QCOMPARE(box.ftp.putCount(), puts);
    QCOMPARE(box.store.ReadIniInt(QStringLiteral("Hello"), QStringLiteral("minor"), 0), storedMinor);
    if (QString::number(storedMinor) == minor)
        QCOMPARE(readBytes(ini), iniBefore);
    const QByteArray jam = readBytes(box.inProject(QStringLiteral("bin/Hello.jam")));
    QCOMPARE(jam.contains("AppVer = " + appVer.toLatin1() + "\r\n"), !appVer.isEmpty());
    QCOMPARE(jam.isEmpty(), appVer.isEmpty());
}

QTEST_GUILESS_MAIN(tst_Upload)
#include "tst_upload.moc"
