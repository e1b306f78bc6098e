#include "app/project_paths.h"
#include "app/settings_store.h"
#include "app/toolchain.h"
#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A POSIX style whose JDK probes lie in the test's own folder.
PathStyle testStyle(const QString &root)
{
    PathStyle style = PathStyle::posix();
    style.jdkProbes = {root + QStringLiteral("/jdk1.3.1"), root + QStringLiteral("/jdk1.3")};
    style.defaultDojaPath = QStringLiteral("/opt/j2mewsdk4doja");
    return style;
}

void makeCompiler(const QString &jdk, const QString &name)
{
    QVERIFY(QDir().mkpath(jdk + QStringLiteral("/bin")));
    writeFile(jdk + QStringLiteral("/bin/") + name, "#!/bin/sh\n");
}

} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultsWithoutFile();
    void firstSaveWritesProjectSectionAheadOfGlobal();
    void savesOnlyWhatChanged_data();
    void savesOnlyWhatChanged();
    void openedProjectGovernsWhateverLoadsRead();
    void findsTheJdk_data();
    void findsTheJdk();
    void emptyJavaPathShowsTheMessageEvenWithAJdk();
    void versionComesFromTheLastProjectsSection();
    void classPathsFollowDojaPathUntilWrittenByHand();
    void windowsSpellingsLetterForLetter_data();
    void windowsSpellingsLetterForLetter();
    void unwritableFileKeepsMemory();
};

void SettingsStoreTest::defaultsWithoutFile()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    QStringList messages;
    store.setMessageHandler([&](const QString &text) { messages << text; });
    store.LoadSettings();
    const AppSettings &s = store.settings();
    QCOMPARE(s.lastProject, QStringLiteral("Test"));
    QCOMPARE(s.FtpId, QStringLiteral("foo"));
    QCOMPARE(s.FtpPassword, QStringLiteral("zkw"));
    QCOMPARE(s.FtpPath, QString());
    QCOMPARE(s.WebUrl, QStringLiteral("www.example.com"));
    QCOMPARE(s.FtpUrl, QStringLiteral("www.example.com"));
    QCOMPARE(s.DOJA_PATH, QStringLiteral("/opt/j2mewsdk4doja"));
    QCOMPARE(s.major, 1);
    QCOMPARE(s.minor, 0);
    QCOMPARE(s.ProjectFolder, QStringLiteral("/opt/j2mewsdk4doja/apps/Test"));
    QCOMPARE(s.javacPath, QString());  // no JDK is no path, not the machine's /bin/javac
    QCOMPARE(messages, QStringList{kNoJdkMessage});
    QVERIFY(messages.first().contains(QStringLiteral("ませんでした。\r\nTovra.ini")));
    QVERIFY(!QFile::exists(store.settingsFilePath()));
}

void SettingsStoreTest::firstSaveWritesProjectSectionAheadOfGlobal()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    store.LoadSettings();
    QVERIFY(store.SaveSettings());
    QCOMPARE(readBytes(store.settingsFilePath()),
             QByteArray("[Test]\r\nName=Test\r\nmajor=1\r\nminor=0\r\n"
                        "[Global]\r\nWebUrl=www.example.com\r\nFtpUrl=www.example.com\r\nFtpPath=\r\n"
                        "FtpId=foo\r\nFtpPassword=zkw\r\nJAVA_PATH=\r\nDOJA_PATH=/opt/j2mewsdk4doja\r\n"
                        "lastProject=Test\r\n"));
    store.LoadSettings();
    QVERIFY(!readBytes(store.settingsFilePath()).contains("CLASSPATH"));
}

void SettingsStoreTest::savesOnlyWhatChanged_data()
{
    QTest::addColumn<QByteArray>("before");     // the file at the load
    QTest::addColumn<QByteArray>("meanwhile");  // the file as another writer leaves it after the load; empty: none
    QTest::addColumn<QString>("change");        // what the program does: "FtpId", "raise" or "" (a plain save)
    QTest::addColumn<QByteArray>("after");

    const QByteArray full = "; mine\r\n[Global]\r\nWebUrl=site\xA0x\r\nFtpUrl = \"ftp.example.org\" \r\nFtpPath=\r\n"
                            "FtpId=foo\r\nFtpPassword=zkw\r\nJAVA_PATH=\r\nDOJA_PATH=/opt/j2mewsdk4doja\r\n"
                            "lastProject=Hello\r\n[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=7\r\n";
    const auto with = [&full](const char *from, const char *to) { return QByteArray(full).replace(from, to); };
    QTest::newRow("unchanged keys keep their bytes, unreadable ones included") << full << QByteArray() << "" << full;
    QTest::newRow("a changed key is written in place")
        << full << QByteArray() << "FtpId" << with("FtpId=foo", "FtpId=changed");
    QTest::newRow("another writer's key survives")
        << full << full + "[Other]\r\nX=1\r\n" << "FtpId" << with("FtpId=foo", "FtpId=changed") + "[Other]\r\nX=1\r\n";
    QTest::newRow("a hand edit of a key the program did not change survives")
        << full << with("FtpPath=", "FtpPath=mine") << "FtpId"
        << QByteArray(full).replace("FtpPath=", "FtpPath=mine").replace("FtpId=foo", "FtpId=changed");
    QTest::newRow("missing keys are all written")
        << QByteArray("[Global]\r\nlastProject=Hello\r\n") << QByteArray() << ""
        << QByteArray("[Global]\r\nlastProject=Hello\r\nWebUrl=www.example.com\r\nFtpUrl=www.example.com\r\n"
                      "FtpPath=\r\nFtpId=foo\r\nFtpPassword=zkw\r\nJAVA_PATH=\r\nDOJA_PATH=/opt/j2mewsdk4doja\r\n"
                      "[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=0\r\n");
    QTest::newRow("raise goes past another copy's newer version")
        << full << with("minor=7", "minor=99") << "raise" << with("minor=7", "minor=100");
    QTest::newRow("raise from memory when the file holds less")
        << full << with("minor=7", "minor=2") << "raise" << with("minor=7", "minor=8");
}

void SettingsStoreTest::savesOnlyWhatChanged()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, meanwhile);
    QFETCH(QString, change);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    writeFile(store.settingsFilePath(), before);
    store.LoadSettings();
    if (!meanwhile.isEmpty())
        writeFile(store.settingsFilePath(), meanwhile);
    if (change == QLatin1String("FtpId"))
        store.settings().FtpId = QStringLiteral("changed");
    const Result saved = change == QLatin1String("raise") ? store.RaiseMinorVersion() : store.SaveSettings();
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    QCOMPARE(readBytes(store.settingsFilePath()), after);
}

void SettingsStoreTest::openedProjectGovernsWhateverLoadsRead()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    writeFile(store.settingsFilePath(), "[Global]\r\nlastProject=Old\r\n[New]\r\nminor=5\r\n");
    store.LoadSettings();
    store.adoptProject(QStringLiteral("New"));
    // Another copy, or a file the program may not write, still names Old.
    store.LoadSettings();
    QCOMPARE(store.settings().lastProject, QStringLiteral("New"));
    QCOMPARE(store.settings().minor, 5);
    QCOMPARE(store.settings().SourcePath, QStringLiteral("/opt/j2mewsdk4doja/apps/New/src/New.java"));
}

void SettingsStoreTest::findsTheJdk_data()
{
    QTest::addColumn<QStringList>("compilers");  // "folder/name" made under the test root
    QTest::addColumn<QString>("expected");       // relative to the root, empty for none
    QTest::newRow("both: 1.3.1 first") << QStringList{"jdk1.3.1/javac", "jdk1.3/javac"} << "jdk1.3.1";
    QTest::newRow("only 1.3") << QStringList{"jdk1.3/javac"} << "jdk1.3";
    QTest::newRow("name in the wrong case is not found") << QStringList{"jdk1.3.1/JAVAC"} << "";
    QTest::newRow("a folder named like the compiler is no compiler") << QStringList{} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void SettingsStoreTest::findsTheJdk()
{
    QFETCH(QStringList, compilers);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString &compiler : compilers)
        makeCompiler(dir.filePath(compiler.section(QLatin1Char('/'), 0, 0)), compiler.section(QLatin1Char('/'), 1));
    if (QString::fromLatin1(QTest::currentDataTag()).startsWith(QLatin1String("a folder")))
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("jdk1.3.1/bin/javac"))));
    const PathStyle style = testStyle(dir.path());
    QCOMPARE(FindJdk(style), expected.isEmpty() ? QString() : dir.filePath(expected));

    SettingsStore store(dir.path(), style);
    int messages = 0;
    store.setMessageHandler([&](const QString &) { ++messages; });
    store.LoadSettings();
    QCOMPARE(store.settings().JAVA_PATH, expected.isEmpty() ? QString() : dir.filePath(expected));
    QCOMPARE(messages, expected.isEmpty() ? 1 : 0);
    if (!expected.isEmpty())
        QCOMPARE(store.settings().javacPath, dir.filePath(expected) + QStringLiteral("/bin/javac"));
}

void SettingsStoreTest::emptyJavaPathShowsTheMessageEvenWithAJdk()
{
    QTemporaryDir dir;
    makeCompiler(dir.filePath(QStringLiteral("jdk1.3.1")), QStringLiteral("javac"));
    SettingsStore store(dir.path(), testStyle(dir.path()));
    writeFile(store.settingsFilePath(), "[Global]\r\nJAVA_PATH=\r\n");
    int messages = 0;
    store.setMessageHandler([&](const QString &) { ++messages; });
    store.LoadSettings();
    QCOMPARE(store.settings().JAVA_PATH, QString());
    QCOMPARE(messages, 1);

    writeFile(store.settingsFilePath(), "[Global]\r\nJAVA_PATH=/elsewhere/jdk\r\n");
    store.LoadSettings();
    QCOMPARE(messages, 1);
    QCOMPARE(store.settings().jarPath, QStringLiteral("/elsewhere/jdk/bin/jar"));
}

void SettingsStoreTest::versionComesFromTheLastProjectsSection()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    writeFile(store.settingsFilePath(),
              "[Global]\r\nlastProject=Hello\r\n[Hello]\r\nmajor=3\r\nminor=7\r\n[Test]\r\nminor=99\r\n");
    store.LoadSettings();
    QCOMPARE(store.settings().major, 3);
    QCOMPARE(store.settings().minor, 7);
    store.settings().minor += 1;
    QVERIFY(store.SaveSettings());
    store.LoadSettings();
    QCOMPARE(store.settings().minor, 8);
    QVERIFY(readBytes(store.settingsFilePath()).contains("[Hello]\r\nmajor=3\r\nminor=8\r\nName=Hello\r\n"));
}

void SettingsStoreTest::classPathsFollowDojaPathUntilWrittenByHand()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    writeFile(store.settingsFilePath(), "[Global]\r\nDOJA_PATH=/sdk with blank\r\n");
    store.LoadSettings();
    QCOMPARE(store.settings().CLASSPATH, QStringLiteral(".:\"/sdk with blank/lib/dojaapi.jar\""));
    QCOMPARE(store.settings().BOOTCLASSPATH, store.settings().CLASSPATH);
    QVERIFY(store.SaveSettings());
    QVERIFY(!readBytes(store.settingsFilePath()).contains("CLASSPATH"));

    writeFile(store.settingsFilePath(), "[Global]\r\nDOJA_PATH=/sdk\r\nCLASSPATH=/mine.jar\r\n");
    store.LoadSettings();
    QCOMPARE(store.settings().CLASSPATH, QStringLiteral("/mine.jar"));
    QCOMPARE(store.settings().BOOTCLASSPATH, QStringLiteral(".:\"/sdk/lib/dojaapi.jar\""));
}

void SettingsStoreTest::windowsSpellingsLetterForLetter_data()
{
    QTest::addColumn<QString>("javaPath");
    QTest::addColumn<QString>("dojaPath");
    QTest::addColumn<QString>("project");
    // javac, jar, preverify, ProjectFolder, SourcePath, CLASSPATH, then archive, descriptor, page
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("D:\\sdk and Hello")
        << "D:\\jdk" << "D:\\sdk" << "Hello"
        << QStringList{"D:\\jdk\\bin\\javac", "D:\\jdk\\bin\\jar", "D:\\sdk\\bin\\preverify", "D:\\sdk\\apps\\Hello",
                       "D:\\sdk\\apps\\Hello\\src\\Hello.java", ".;\"D:\\sdk\\lib\\dojaapi.jar\"",
                       "D:\\sdk\\apps\\Hello\\bin\\Hello.jar", "D:\\sdk\\apps\\Hello\\bin\\Hello.jam",
                       "D:\\sdk\\apps\\Hello\\bin\\Hello.htm"};
    QTest::newRow("defaults") << "c:\\jdk1.3.1" << "C:\\j2mewsdk4doja" << "Test"
                              << QStringList{"c:\\jdk1.3.1\\bin\\javac", "c:\\jdk1.3.1\\bin\\jar",
                                             "C:\\j2mewsdk4doja\\bin\\preverify", "C:\\j2mewsdk4doja\\apps\\Test",
                                             "C:\\j2mewsdk4doja\\apps\\Test\\src\\Test.java",
                                             ".;\"C:\\j2mewsdk4doja\\lib\\dojaapi.jar\"",
                                             "C:\\j2mewsdk4doja\\apps\\Test\\bin\\Test.jar",
                                             "C:\\j2mewsdk4doja\\apps\\Test\\bin\\Test.jam",
                                             "C:\\j2mewsdk4doja\\apps\\Test\\bin\\Test.htm"};
    QTest::newRow("trailing backslash doubles") << "D:\\jdk\\" << "D:\\sdk\\" << "A"
                                                << QStringList{"D:\\jdk\\\\bin\\javac", "D:\\jdk\\\\bin\\jar",
                                                               "D:\\sdk\\\\bin\\preverify", "D:\\sdk\\\\apps\\A",
                                                               "D:\\sdk\\\\apps\\A\\src\\A.java",
                                                               ".;\"D:\\sdk\\\\lib\\dojaapi.jar\"",
                                                               "D:\\sdk\\\\apps\\A\\bin\\A.jar",
                                                               "D:\\sdk\\\\apps\\A\\bin\\A.jam",
                                                               "D:\\sdk\\\\apps\\A\\bin\\A.htm"};
    QTest::newRow("no JDK") << "" << "D:\\sdk" << "A"
                            << QStringList{"", "", "D:\\sdk\\bin\\preverify", "D:\\sdk\\apps\\A",
                                           "D:\\sdk\\apps\\A\\src\\A.java", ".;\"D:\\sdk\\lib\\dojaapi.jar\"",
                                           "D:\\sdk\\apps\\A\\bin\\A.jar", "D:\\sdk\\apps\\A\\bin\\A.jam",
                                           "D:\\sdk\\apps\\A\\bin\\A.htm"};
}

void SettingsStoreTest::windowsSpellingsLetterForLetter()
{
    QFETCH(QString, javaPath);
    QFETCH(QString, dojaPath);
    QFETCH(QString, project);
    QFETCH(QStringList, expected);
    const PathStyle style = PathStyle::windows();
    AppSettings s;
    s.JAVA_PATH = javaPath;
    s.DOJA_PATH = dojaPath;
    s.lastProject = project;
    deriveToolchainPaths(s, style);
    const ProjectPaths paths(dojaPath, project, style);
    QCOMPARE((QStringList{s.javacPath, s.jarPath, s.preverifyPath, s.ProjectFolder, s.SourcePath,
                          defaultClassPath(dojaPath, style), paths.archive(), paths.descriptor(), paths.page()}),
             expected);
    QCOMPARE(s.javaPath, javaPath.isEmpty() ? QString() : javaPath + QStringLiteral("\\bin\\java"));
}

void SettingsStoreTest::unwritableFileKeepsMemory()
{
    QTemporaryDir dir;
    SettingsStore store(dir.path(), testStyle(dir.path()));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tovra.ini")));
    store.LoadSettings();
    store.settings().FtpId = QStringLiteral("kept");
    QVERIFY(!store.SaveSettings());
    QVERIFY(!store.WriteIniString(QStringLiteral("Global"), QStringLiteral("A"), QStringLiteral("1")));
    QCOMPARE(store.settings().FtpId, QStringLiteral("kept"));
    QVERIFY(QFileInfo(store.settingsFilePath()).isDir());
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
