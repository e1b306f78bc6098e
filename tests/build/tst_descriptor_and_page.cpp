#include "app/app_settings.h"
#include "app/code_page.h"
#include "app/path_style.h"
#include "app/project_paths.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Project {
    QTemporaryDir dir;
    AppSettings settings;
    PathStyle style = PathStyle::posix();

    explicit Project(const QString &name = QStringLiteral("Test"))
    {
        settings.lastProject = name;
        settings.DOJA_PATH = dir.path();
        settings.ProjectFolder = ProjectPaths::current(settings, style).folder();
        settings.major = 1;
        settings.minor = 0;
        settings.WebUrl = QStringLiteral("www.example.com/i");
        QDir().mkpath(settings.ProjectFolder + QStringLiteral("/bin"));
    }
    QString bin(const QString &file) const { return settings.ProjectFolder + QStringLiteral("/bin/") + file; }
    void writeArchive(int size) const
    {
        QFile file(bin(settings.lastProject + QStringLiteral(".jar")));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(size, 'x'));
    }
};

} // namespace

class DescriptorAndPageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void descriptorFile();
    void lastModified_data();
    void lastModified();
    void versionAndMissingArchive_data();
    void versionAndMissingArchive();
    void writingReplaces();
    void failedWriteKeepsTheOldFile();
    void pageFile();
    void pageEscapesMarkup_data();
    void pageEscapesMarkup();
};

void DescriptorAndPageTest::descriptorFile()
{
    Project p;
    p.writeArchive(1234);
    QVERIFY(WriteJamFile(p.settings, p.style, QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9))));
    QCOMPARE(readBytes(p.bin(QStringLiteral("Test.jam"))),
             QByteArray("PackageURL = Test.jar\r\nAppSize = 1234\r\nAppName = Test\r\nAppVer = 1.0\r\nAppParam = \r\n"
                        "AppClass = Test\r\nSPsize = \r\nLastModified = Tue, 4 Sep 2001 13:05:09\r\nKvmVer = \r\n\r\n"));
}

void DescriptorAndPageTest::lastModified_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("line");
    QTest::newRow("September") << QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9)) << "Tue, 4 Sep 2001 13:05:09";
    QTest::newRow("April is written Mar") << QDateTime(QDate(2001, 4, 15), QTime(9, 0, 0)) << "Sun, 15 Mar 2001 09:00:00";
    QTest::newRow("first of a month") << QDateTime(QDate(2026, 12, 1), QTime(23, 59, 59)) << "Tue, 1 Dec 2026 23:59:59";
    QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << "Fri, 1 Jan 2027 00:00:00";
    QTest::newRow("March stays March") << QDateTime(QDate(2026, 3, 31), QTime(12, 0, 0)) << "Tue, 31 Mar 2026 12:00:00";
}

void DescriptorAndPageTest::lastModified()
{
    QFETCH(QDateTime, moment);
    QFETCH(QString, line);
    Project p;
    QVERIFY(MakeJamText(p.settings, p.style, moment).contains(QStringLiteral("\r\nLastModified = ") + line + QStringLiteral("\r\n")));
}

void DescriptorAndPageTest::versionAndMissingArchive_data()
{
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("archive");  // -1: none, -2: a folder in its place
    QTest::addColumn<QString>("expected");
    const QString rest = QStringLiteral("AppParam = \r\nAppClass = Test\r\nSPsize = \r\nLastModified = Tue, 4 Sep 2001 13:05:09\r\nKvmVer = \r\n");
    QTest::newRow("minor 12") << 12 << 7 << "PackageURL = Test.jar\r\nAppSize = 7\r\nAppName = Test\r\nAppVer = 1.12\r\n" + rest;
    QTest::newRow("no archive") << 0 << -1 << "PackageURL = Test.jar\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest;
    QTest::newRow("folder in the archive's place") << 0 << -2 << "PackageURL = Test.jar\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest;
    QTest::newRow("empty archive") << 0 << 0 << "PackageURL = Test.jar\r\nAppSize = 0\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest;
}

void DescriptorAndPageTest::versionAndMissingArchive()
{
    QFETCH(int, minor);
    QFETCH(int, archive);
    QFETCH(QString, expected);
    Project p;
    p.settings.minor = minor;
    if (archive >= 0)
        p.writeArchive(archive);
    else if (archive == -2)
        QDir().mkpath(p.bin(QStringLiteral("Test.jar")));
    QCOMPARE(MakeJamText(p.settings, p.style, QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9))), expected);
}

void DescriptorAndPageTest::writingReplaces()
{
    Project p;
    const QDateTime now(QDate(2001, 9, 4), QTime(13, 5, 9));
    QVERIFY(WriteJamFile(p.settings, p.style, now));
    QVERIFY(WriteJamFile(p.settings, p.style, now));
    QCOMPARE(QString::fromLatin1(readBytes(p.bin(QStringLiteral("Test.jam")))), MakeJamText(p.settings, p.style, now) + "\r\n");
    QVERIFY(WriteHtmlFile(p.settings, p.style));
    QVERIFY(WriteHtmlFile(p.settings, p.style));
    QCOMPARE(fromCodePage(readBytes(p.bin(QStringLiteral("Test.htm")))), MakeHtmlText(p.settings) + "\r\n");
}

void DescriptorAndPageTest::failedWriteKeepsTheOldFile()
{
    Project p;
    QDir().mkpath(p.bin(QStringLiteral("Test.jam")));
    QVERIFY(!WriteJamFile(p.settings, p.style, QDateTime::currentDateTime()));
    QVERIFY(QFileInfo(p.bin(QStringLiteral("Test.jam"))).isDir());
    p.settings.DOJA_PATH = p.dir.filePath(QStringLiteral("missing"));
    QVERIFY(!WriteHtmlFile(p.settings, p.style));
}

void DescriptorAndPageTest::pageFile()
{
    Project p(QStringLiteral("テスト"));
    QVERIFY(WriteHtmlFile(p.settings, p.style));
    const QString expected = QStringLiteral(
        "<HTML><HEAD><TITLE>テスト</TITLE></HEAD>\r\n<BODY><BR><BR>\r\n"
        "<OBJECT declare id='b' data='http://www.example.com/i/テスト.jam' type='application/x-jam'>\r\n"
        "テスト</OBJECT><BR>\r\n<A ijam='#b' href='テスト.htm'>テストをダウンロード</A><BR>\r\n</BODY></HTML>\r\n\r\n");
    QCOMPARE(readBytes(p.bin(QStringLiteral("テスト.htm"))), toCodePage(expected).value());
}

void DescriptorAndPageTest::pageEscapesMarkup_data()
{
    QTest::addColumn<QString>("webUrl");
    QTest::addColumn<QString>("line3");
    QTest::newRow("ordinary address unchanged")
        << "www.example.com/~me" << "<OBJECT declare id='b' data='http://www.example.com/~me/Test.jam' type='application/x-jam'>";
    QTest::newRow("doubled scheme kept") << "http://h" << "<OBJECT declare id='b' data='http://http://h/Test.jam' type='application/x-jam'>";
    QTest::newRow("quote cannot end the attribute")
        << "h/x' onload='evil" << "<OBJECT declare id='b' data='http://h/x&#39; onload=&#39;evil/Test.jam' type='application/x-jam'>";
    QTest::newRow("markup and ampersand")
        << "h/<b>&\"" << "<OBJECT declare id='b' data='http://h/&lt;b&gt;&amp;&quot;/Test.jam' type='application/x-jam'>";
}

void DescriptorAndPageTest::pageEscapesMarkup()
{
    QFETCH(QString, webUrl);
    QFETCH(QString, line3);
    Project p;
    p.settings.WebUrl = webUrl;
    QCOMPARE(MakeHtmlText(p.settings).split(QStringLiteral("\r\n")).value(2), line3);
}

QTEST_GUILESS_MAIN(DescriptorAndPageTest)
#include "tst_descriptor_and_page.moc"
