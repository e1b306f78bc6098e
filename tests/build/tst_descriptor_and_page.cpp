#include "app/code_page.h"
#include "app/opened_project.h"
#include "app/path_style.h"
#include "build/html_writer.h"
#include "build/jam_writer.h"
#include "file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>

namespace {

struct Project {
    QTemporaryDir dir;
    OpenedProject project;

    explicit Project(const QString &name = QStringLiteral("Test"))
        : project{name, ProjectPaths(dir.path(), name, PathStyle::posix()), 1, 0}
    {
        QDir().mkpath(project.paths.binFolder());
    }
    QString bin(const QString &file) const { return project.paths.binFolder() + QLatin1Char('/') + file; }
};

} // namespace

class DescriptorAndPageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void descriptorFile_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("archive");  // its size; -1: none
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QByteArray>("bytes");
        const auto rest = [](const char *modified) {
            return "AppParam = \r\nAppClass = Test\r\nSPsize = \r\nLastModified = " + QByteArray(modified)
                   + "\r\nKvmVer = \r\n\r\n";
        };
        QTest::newRow("minor 12") << 12 << 1234 << QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9))
                                  << "PackageURL = Test.jar\r\nAppSize = 1234\r\nAppName = Test\r\nAppVer = 1.12\r\n"
                                         + rest("Tue, 4 Sep 2001 13:05:09");
        QTest::newRow("no archive, April is written Mar") << 0 << -1 << QDateTime(QDate(2001, 4, 15), QTime(9, 0, 0))
            << "PackageURL = Test.jar\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest("Sun, 15 Mar 2001 09:00:00");
        QTest::newRow("empty archive, March stays March") << 0 << 0 << QDateTime(QDate(2026, 3, 31), QTime(12, 0, 0))
            << "PackageURL = Test.jar\r\nAppSize = 0\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest("Tue, 31 Mar 2026 12:00:00");
    }

    void descriptorFile()
    {
        QFETCH(int, minor);
        QFETCH(int, archive);
        QFETCH(QDateTime, moment);
        Project p;
        p.project.minor = minor;
        if (archive >= 0)
            QVERIFY(writeBytes(p.bin(QStringLiteral("Test.jar")), QByteArray(archive, 'x')));
        QVERIFY(WriteJamFile(p.project, moment));
        QTEST(readBytes(p.bin(QStringLiteral("Test.jam"))), "bytes");
    }

    void pageFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("webUrl");
        QTest::addColumn<QString>("data");  // the OBJECT line's address
        QTest::newRow("japanese name in the code page")
            << "テスト" << "www.example.com/i" << "http://www.example.com/i/テスト.jam";
        QTest::newRow("doubled scheme kept") << "Test" << "http://h" << "http://http://h/Test.jam";
        QTest::newRow("quote cannot end the attribute, markup and ampersand escaped")
            << "Test" << "h/x' onload='<b>&\"" << "http://h/x&#39; onload=&#39;&lt;b&gt;&amp;&quot;/Test.jam";
        QTest::newRow("0xA0 read from Tovra.ini goes back as 0xA0")
            << "Test" << QStringLiteral("h/\uF8F0") << QStringLiteral("http://h/\uF8F0/Test.jam");
        // Named by its key: a line of the page would point where the user never wrote.
        QTest::newRow("an unreadable byte in WebUrl is the settings' fault") << "Test" << QStringLiteral("h/\uFFFD") << "";
    }

    void pageFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, webUrl);
        QFETCH(QString, data);
        Project p(name);
        const Result<> written = WriteHtmlFile(p.project, webUrl);
        if (data.isEmpty()) {
            QVERIFY(written.error().startsWith(QStringLiteral("Tovra.iniのWebUrlの値に")));
            QVERIFY(!QFile::exists(p.bin(name + QStringLiteral(".htm"))));
            return;
        }
        QVERIFY(written);
        const QString expected = QStringLiteral(
            "<HTML><HEAD><TITLE>%1</TITLE></HEAD>\r\n<BODY><BR><BR>\r\n"
            "<OBJECT declare id='b' data='%2' type='application/x-jam'>\r\n"
            "%1</OBJECT><BR>\r\n<A ijam='#b' href='%1.htm'>%1をダウンロード</A><BR>\r\n</BODY></HTML>\r\n\r\n")
                                     .arg(name, data);
        QCOMPARE(readBytes(p.bin(name + QStringLiteral(".htm"))), toCodePage(expected).value());
    }
};

QTEST_GUILESS_MAIN(DescriptorAndPageTest)
#include "tst_descriptor_and_page.moc"
