#include "app/code_page.h"
#include "app/opened_project.h"
#include "app/path_style.h"
#include "build/descriptor_edits.h"
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

ProjectSettings everySetting(const QString &profile)
{
    ProjectSettings s;
    s.AppName = QStringLiteral("ゲーム");
    s.AppParam = QStringLiteral("a b");
    s.SPsize = QStringLiteral("512,1024");
    s.UseNetwork = QStringLiteral("http");
    s.UseBrowser = QStringLiteral("launch");
    s.TargetDevice = QStringLiteral("N503iS P503i");
    s.DrawArea = QStringLiteral("120x130");
    s.AppTrace = QStringLiteral("On");
    s.TargetProfile = profile;
    s.extraLines = {{QStringLiteral("UseTelephone"), QStringLiteral("call")}, {QStringLiteral("GetUtn"), QString()}};
    return s;
}

} // namespace

Q_DECLARE_METATYPE(ProjectSettings)

class DescriptorAndPageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void descriptorFile_data()
    {
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("archive");  // its size; -1: none
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<ProjectSettings>("settings");
        QTest::addColumn<QByteArray>("bytes");
        const auto rest = [](const char *modified) {
            return "AppParam = \r\nAppClass = Test\r\nSPsize = \r\nLastModified = " + QByteArray(modified)
                   + "\r\nKvmVer = \r\n\r\n";
        };
        QTest::newRow("minor 12") << 12 << 1234 << QDateTime(QDate(2001, 9, 4), QTime(13, 5, 9))
                                  << ProjectSettings() << "PackageURL = Test.jar\r\nAppSize = 1234\r\nAppName = Test\r\nAppVer = 1.12\r\n"
                                         + rest("Tue, 4 Sep 2001 13:05:09");
        const QDateTime april(QDate(2001, 4, 15), QTime(9, 0, 0));
        QTest::newRow("no archive, April is written Mar") << 0 << -1 << april << ProjectSettings()
            << "PackageURL = Test.jar\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest("Sun, 15 Mar 2001 09:00:00");
        QTest::newRow("empty archive, March stays March") << 0 << 0 << QDateTime(QDate(2026, 3, 31), QTime(12, 0, 0)) << ProjectSettings()
            << "PackageURL = Test.jar\r\nAppSize = 0\r\nAppName = Test\r\nAppVer = 1.0\r\n" + rest("Tue, 31 Mar 2026 12:00:00");
        // Set values go into their lines; the rest follow the last line in a fixed order.
        const QByteArray head = "PackageURL = Test.jar\r\nAppName = " + toCodePage(QStringLiteral("ゲーム")).value()
                                + "\r\nAppVer = 1.0\r\nAppParam = a b\r\nAppClass = Test\r\nSPsize = 512,1024\r\n";
        const QByteArray own = "UseNetwork = http\r\nUseBrowser = launch\r\nTargetDevice = N503iS P503i\r\n"
                               "DrawArea = 120x130\r\nAppTrace = On\r\n";
        const QByteArray extra = "UseTelephone = call\r\nGetUtn = \r\n\r\n";
        QTest::newRow("DoJa-1.0: no ProfileVer, April still Mar") << 0 << -1 << april << everySetting("DoJa-1.0")
            << head + "LastModified = Sun, 15 Mar 2001 09:00:00\r\nKvmVer = \r\n" + own + "ConfigurationVer = CLDC-1.0\r\n" + extra;
        QTest::newRow("DoJa-3.5: the real April, CLDC 1.0") << 0 << -1 << april << everySetting("DoJa-3.5")
            << head + "LastModified = Sun, 15 Apr 2001 09:00:00\r\nKvmVer = \r\n" + own
                   + "ProfileVer = DoJa-3.5\r\nConfigurationVer = CLDC-1.0\r\n" + extra;
        QTest::newRow("DoJa-4.0 runs on CLDC 1.1") << 0 << -1 << april << everySetting("DoJa-4.0")
            << head + "LastModified = Sun, 15 Apr 2001 09:00:00\r\nKvmVer = \r\n" + own
                   + "ProfileVer = DoJa-4.0\r\nConfigurationVer = CLDC-1.1\r\n" + extra;
    }

    void descriptorFile()
    {
        QFETCH(int, minor);
        QFETCH(int, archive);
        QFETCH(QDateTime, moment);
        Project p;
        p.project.minor = minor;
        QFETCH(ProjectSettings, settings);
        p.project.settings = settings;
        if (archive >= 0)
            QVERIFY(writeBytes(p.bin(QStringLiteral("Test.jar")), QByteArray(archive, 'x')));
        QVERIFY(WriteJamFile(p.project, moment));
        QTEST(readBytes(p.bin(QStringLiteral("Test.jam"))), "bytes");
    }

    void handEdits_data()
    {
        QTest::addColumn<ProjectSettings>("before");
        QTest::addColumn<QString>("lines");  // after today's nine lines
        QTest::addColumn<ProjectSettings>("after");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<int>("refused");
        const ProjectSettings none;
        ProjectSettings named;
        named.AppName = QStringLiteral("X");
        ProjectSettings sized;
        sized.SPsize = QStringLiteral("1024");
        ProjectSettings telephone;
        telephone.extraLines = {{QStringLiteral("UseTelephone"), QStringLiteral("call")}};
        ProjectSettings packaged;
        packaged.AppClass = QStringLiteral("jp.example.Game");
        QTest::newRow("a typed SPsize, its key in any case")
            << none << "spsize = 1024" << sized << QStringList{"spsize = 1024"} << 0;
        QTest::newRow("the project's own name typed back is no name of its own")
            << named << "appname = Test" << none << QStringList{"appname = Test"} << 0;
        QTest::newRow("a typed main class in a package becomes AppClass")
            << none << "AppClass = jp.example.Game" << packaged << QStringList{"AppClass = jp.example.Game"} << 0;
        QTest::newRow("the project's name as main class repeats what the writer writes")
            << none << "appclass = Test" << none << QStringList() << 0;
        QTest::newRow("the project's name typed over a package class takes the setting back")
            << packaged << "AppClass = Test" << none << QStringList{"AppClass = Test"} << 0;
        QTest::newRow("a main class that is no class name is refused")
            << packaged << "AppClass = jp..Game" << packaged << QStringList() << 1;
        QTest::newRow("a main class without its source is refused")
            << none << "AppClass = jp.example.Gone" << none << QStringList() << 1;
        QTest::newRow("an unknown key becomes an extra line")
            << none << "UseTelephone = call" << telephone << QStringList{"UseTelephone = call"} << 0;
        QTest::newRow("what the writer writes itself is no edit")
            << none << "AppVer = 9.9\nLastModified = x\nProfileVer = DoJa-9" << none << QStringList() << 0;
        QTest::newRow("an empty line takes no setting away")
            << sized << "SPsize = " << sized << QStringList() << 0;
    }

    void handEdits()
    {
        QFETCH(ProjectSettings, before);
        QFETCH(QString, lines);
        Project p;
        p.project.settings = before;
        for (const QString &source : {QStringLiteral("jp/example/Game.java"), QStringLiteral("Test.java")})
            QVERIFY(writeBytes(p.project.paths.sourceFileAt(source), "class X {}\r\n"));
        // Typed above the writer's lines: the first of a key counts.
        const QString jam = lines + QStringLiteral("\r\n") + MakeJamText(p.project, QDateTime(QDate(2001, 9, 4), QTime()));
        const DescriptorEdits edits = findHandEdits(jam, p.project);
        QTEST(edits.settings, "after");
        QTEST(edits.taken, "taken");
        QTEST(int(edits.refused.size()), "refused");
    }

    void pageFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("webUrl");
        QTest::addColumn<QString>("data");  // the OBJECT line's address
        QTest::newRow("japanese name in the code page")
            << "テスト" << "www.example.com/i" << "http://www.example.com/i/テスト.jam";
        QTest::newRow("an address typed with its scheme is used as typed") << "Test" << "https://h/i" << "https://h/i/Test.jam";
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
