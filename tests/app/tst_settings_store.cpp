#include "app/code_page.h"
#include "app/opened_project.h"
#include "app/project_settings_file.h"
#include "app/settings_store.h"
#include "app/toolchain.h"
#include "file_bytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A POSIX style whose JDK probes lie in the test's own folder.
PathStyle testStyle(const QString &root)
{
    PathStyle style = PathStyle::posix();
    style.jdkProbes = {root + QStringLiteral("/jdk1.3.1"), root + QStringLiteral("/jdk1.3")};
    style.defaultDojaPath = QStringLiteral("/opt/j2mewsdk4doja");
    return style;
}

// The last project as opening it gives it.
OpenedProject lastProject(const SettingsStore &store)
{
    const AppSettings &s = store.settings();
    return {s.lastProject, ProjectPaths(s.DOJA_PATH, s.lastProject, store.style()), s.major, s.minor};
}

} // namespace

class SettingsStoreTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void savesOnlyWhatChanged_data()
    {
        QTest::addColumn<QByteArray>("before");     // the file at the load; null: none
        QTest::addColumn<QByteArray>("meanwhile");  // the file as another writer leaves it after the load; empty: none
        QTest::addColumn<QString>("change");        // what the program does: "FtpId", "raise" or "" (a plain save)
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("heldAsFiled");  // a load of the file then gives what the program holds

        // The version comes from the last project's section, not from [Test].
        const QByteArray full = "; mine\r\n[Global]\r\nWebUrl=site\xA0x\r\nFtpUrl = \"ftp.example.org\" \r\nFtpPath=\r\n"
                                "FtpId=foo\r\nFtpPassword=zkw\r\nJAVA_PATH=\r\nDOJA_PATH=/opt/j2mewsdk4doja\r\n"
                                "lastProject=Hello\r\n[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=7\r\n[Test]\r\nminor=99\r\n";
        const auto with = [&full](const char *from, const char *to) { return QByteArray(full).replace(from, to); };
        QTest::newRow("no file: the load makes none, the save writes every key")
            << QByteArray() << QByteArray() << ""
            << QByteArray("[Test]\r\nName=Test\r\nmajor=1\r\nminor=0\r\n"
                          "[Global]\r\nWebUrl=www.example.com\r\nFtpUrl=www.example.com\r\nFtpPath=\r\n"
                          "FtpId=foo\r\nFtpPassword=zkw\r\nJAVA_PATH=\r\nDOJA_PATH=/opt/j2mewsdk4doja\r\nlastProject=Test\r\n")
            << true;
        QTest::newRow("unchanged keys keep their bytes, unreadable ones included") << full << QByteArray() << "" << full << true;
        QTest::newRow("a changed key is written in place, another writer's key survives")
            << full << full + "[Other]\r\nX=1\r\n" << "FtpId" << with("FtpId=foo", "FtpId=changed") + "[Other]\r\nX=1\r\n"
            << true;
        QTest::newRow("a hand edit of a key the program did not change survives")
            << full << with("FtpPath=", "FtpPath=mine") << "FtpId"
            << QByteArray(full).replace("FtpPath=", "FtpPath=mine").replace("FtpId=foo", "FtpId=changed") << false;
        QTest::newRow("raise goes past another copy's newer version")
            << full << with("minor=7", "minor=99") << "raise" << with("minor=7", "minor=100") << true;
        QTest::newRow("raise from memory when the file holds less")
            << full << with("minor=7", "minor=2") << "raise" << with("minor=7", "minor=8") << true;
    }

    void savesOnlyWhatChanged()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, change);
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        QVERIFY(before.isNull() || writeBytes(store.settingsFilePath(), before));
        QVERIFY(store.LoadSettings());
        QCOMPARE(QFileInfo::exists(store.settingsFilePath()), !before.isNull());
        if (!meanwhile.isEmpty())
            QVERIFY(writeBytes(store.settingsFilePath(), meanwhile));
        AppSettings changed = store.settings();
        if (change == QLatin1String("FtpId"))
            changed.FtpId = QStringLiteral("changed");
        if (change == QLatin1String("raise")) {
            const Result<qint32> raised = store.raiseMinorVersion(lastProject(store));
            QVERIFY2(raised.ok(), qPrintable(raised.error()));
        } else {
            const Result<> saved = store.SaveSettings(changed);
            QVERIFY2(saved.ok(), qPrintable(saved.error()));
        }
        QTEST(readBytes(store.settingsFilePath()), "after");
        SettingsStore reloaded(dir.path(), testStyle(dir.path()));
        QVERIFY(reloaded.LoadSettings());
        QTEST(reloaded.settings() == store.settings(), "heldAsFiled");
    }

    // The project's section holds its settings under the descriptor's keys;
    // a save writes what changed and nothing else, or nothing at all.
    void projectSettingsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("section");  // [Hello] after Name, major, minor
        QTest::addColumn<QStringList>("change");  // key=value; "-Key" takes an extra line away
        QTest::addColumn<QByteArray>("after");    // the section after the save; empty: as before, the save failed
        QTest::newRow("new values follow the section's last key")
            << QByteArray() << QStringList{"SPsize=512,512", "TargetProfile=DoJa-2.0", "+UseTelephone=call"}
            << QByteArray("SPsize=512,512\r\nTargetProfile=DoJa-2.0\r\nUseTelephone=call\r\n");
        QTest::newRow("a changed value in place, a removed extra line goes, the rest keep their bytes")
            << QByteArray("AppName = \"ゲーム\"\r\n; mine\r\nGetUtn=userid\r\nUseTelephone=call\r\n")
            << QStringList{"AppParam=a b", "-GetUtn"}
            << QByteArray("AppName = \"ゲーム\"\r\n; mine\r\nUseTelephone=call\r\nAppParam=a b\r\n");
        QTest::newRow("a value the code page cannot hold writes nothing")
            << QByteArray("AppParam=x\r\n") << QStringList{"AppParam=y", "AppName=\u20AC"} << QByteArray();
    }

    void projectSettingsRoundTrip()
    {
        QFETCH(QByteArray, section);
        QFETCH(QStringList, change);
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        const QByteArray head = "[Global]\r\nlastProject=Hello\r\n[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=0\r\n";
        const QByteArray tail = "\r\n[Test]\r\nminor=3\r\n";
        const QByteArray before = head + toCodePage(QString::fromUtf8(section)).value() + tail;
        QVERIFY(writeBytes(store.settingsFilePath(), before));
        const Result<ProjectRecord> opened = store.recordOpenedProject(QStringLiteral("Hello"));
        QVERIFY(opened.ok());
        OpenedProject project = lastProject(store);
        project.settings = opened->settings;
        ProjectSettings changed = project.settings;
        for (const QString &item : change) {
            const QString key = item.section(QLatin1Char('='), 0, 0);
            const QString value = item.section(QLatin1Char('='), 1);
            if (key.startsWith(QLatin1Char('+')))
                changed.extraLines.append({key.mid(1), value});
            else if (key.startsWith(QLatin1Char('-')))
                changed.extraLines.removeIf([&](const ExtraDescriptorLine &line) { return line.key == key.mid(1); });
            else
                setProjectSettingValue(changed, key, value);
        }
        QFETCH(QByteArray, after);
        const Result<> saved = store.saveProjectSettings(project, changed);
        QCOMPARE(saved.ok(), !after.isEmpty());
        QCOMPARE(readBytes(store.settingsFilePath()),
                 after.isEmpty() ? before : head + toCodePage(QString::fromUtf8(after)).value() + tail);
        if (saved)
            QCOMPARE(store.recordOpenedProject(QStringLiteral("Hello"))->settings, changed);
    }

    // A project named Global shares its section with the program's settings.
    void globalKeysAreNoDescriptorLines()
    {
        const ProfileDocument doc = ProfileDocument::fromBytes("[Global]\r\nFtpPassword=secret\r\nWebUrl=x\r\nUseTelephone=call\r\n");
        const QList<ExtraDescriptorLine> extra = {{QStringLiteral("UseTelephone"), QStringLiteral("call")}};
        QCOMPARE(readProjectSettings(doc, QStringLiteral("Global")).extraLines, extra);
    }

    // CLASSPATH and BOOTCLASSPATH follow DOJA_PATH until written by hand; the
    // no-file row above shows that neither is written back.
    void loadsFollowTheFileAndTheOpenedProject_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::newRow("the file takes the opened project's name") << true;
        // Another copy holds it: the project opens with its own version all the same.
        QTest::newRow("the file takes no write") << false;
    }

    void loadsFollowTheFileAndTheOpenedProject()
    {
        QFETCH(bool, writable);
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        store.setLockWait(0);
        QVERIFY(writeBytes(store.settingsFilePath(), "[Global]\r\nlastProject=Old\r\nDOJA_PATH=/sdk with blank\r\n"
                                                     "CLASSPATH=/mine.jar\r\n[New]\r\nminor=5\r\n"));
        QVERIFY(store.LoadSettings());
        QLockFile other(store.settingsFilePath() + QStringLiteral(".lock"));
        QVERIFY(writable || other.tryLock(0));
        const Result<ProjectRecord> record = store.recordOpenedProject(QStringLiteral("New"));
        QVERIFY(record);
        QCOMPARE(record->recorded.ok(), writable);
        QCOMPARE(record->minor, 5);
        QCOMPARE(store.settings().lastProject, writable ? QStringLiteral("New") : QStringLiteral("Old"));
        QCOMPARE(store.ReadIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), QString()),
                 store.settings().lastProject);
        QCOMPARE(store.settings().CLASSPATH, QStringLiteral("/mine.jar"));
        QCOMPARE(store.settings().BOOTCLASSPATH, QStringLiteral(".:\"/sdk with blank/lib/dojaapi.jar\""));
    }

    void findsTheJdk_data()
    {
        QTest::addColumn<QStringList>("made");    // below the test root; a trailing / makes a folder
        QTest::addColumn<QByteArray>("file");     // the settings file; empty: none
        QTest::addColumn<QString>("javaPath");    // relative to the root unless absolute; empty: none
        const QString javac131 = QStringLiteral("jdk1.3.1/bin/javac");
        QTest::newRow("both: 1.3.1 first") << QStringList{javac131, "jdk1.3/bin/javac"} << QByteArray() << "jdk1.3.1";
        QTest::newRow("name in the wrong case is not found") << QStringList{"jdk1.3.1/bin/JAVAC"} << QByteArray() << "";
        QTest::newRow("a folder named like the compiler is no compiler")
            << QStringList{javac131 + "/"} << QByteArray() << "";
        QTest::newRow("an empty JAVA_PATH shows the message even with a JDK")
            << QStringList{javac131} << QByteArray("[Global]\r\nJAVA_PATH=\r\n") << "";
        QTest::newRow("a JAVA_PATH by hand is taken unprobed")
            << QStringList{} << QByteArray("[Global]\r\nJAVA_PATH=/elsewhere/jdk\r\n") << "/elsewhere/jdk";
    }

    void findsTheJdk()
    {
        QFETCH(QStringList, made);
        QFETCH(QByteArray, file);
        QFETCH(QString, javaPath);
        QTemporaryDir dir;
        for (const QString &path : made)
            QVERIFY(path.endsWith(QLatin1Char('/')) ? QDir().mkpath(dir.filePath(path)) : touch(dir.filePath(path)));
        SettingsStore store(dir.path(), testStyle(dir.path()));
        if (!file.isEmpty())
            QVERIFY(writeBytes(store.settingsFilePath(), file));
        QVERIFY(store.LoadSettings());
        if (!javaPath.isEmpty() && !javaPath.startsWith(QLatin1Char('/')))
            javaPath = dir.filePath(javaPath);
        QCOMPARE(store.settings().JAVA_PATH, javaPath);
        // No JDK is no compiler, never the machine's own javac.
        QCOMPARE(Toolchain::fromSettings(store.settings(), store.style()).javac,
                 javaPath.isEmpty() ? QString() : javaPath + QStringLiteral("/bin/javac"));
        QCOMPARE(store.noJdkNote(), javaPath.isEmpty() ? std::optional<QString>(noJdkMessage(QDir::toNativeSeparators(store.settingsFilePath()))) : std::nullopt);
    }

    // What the code page cannot hold is lost alone: the other changes are
    // written, and the store holds what the file took.
    void aValueTheCodePageCannotHoldIsLostAlone()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        QVERIFY(writeBytes(store.settingsFilePath(), "[Global]\r\nFtpId=foo\r\nFtpPath=old\r\n"));
        QVERIFY(store.LoadSettings());
        AppSettings changed = store.settings();
        changed.FtpId = QStringLiteral("\uD55C");
        changed.FtpPath = QStringLiteral("new");
        const Result<> saved = store.SaveSettings(changed);
        QVERIFY2(saved.error().endsWith(QStringLiteral("書きこめません: FtpId")), qPrintable(saved.error()));
        QCOMPARE(store.ReadIniString(QStringLiteral("Global"), QStringLiteral("FtpId"), QString()), QStringLiteral("foo"));
        QCOMPARE(store.settings().FtpPath, QStringLiteral("new"));
        SettingsStore reloaded(dir.path(), testStyle(dir.path()));
        QVERIFY(reloaded.LoadSettings());
        QCOMPARE(reloaded.settings(), store.settings());
    }

    // A file that cannot be read is never taken for the defaults: a build
    // would then write into another SDK's project of the same name.
    void unreadableFileKeepsMemory()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        QVERIFY(writeBytes(store.settingsFilePath(), "[Global]\r\nDOJA_PATH=/mine\r\n"));
        QVERIFY(store.LoadSettings());
        QVERIFY(QFile::remove(store.settingsFilePath()) && QDir(dir.path()).mkdir(QStringLiteral("Tovra.ini")));
        const Result<> loaded = store.LoadSettings();
        QVERIFY2(loaded.error().startsWith(QDir::toNativeSeparators(store.settingsFilePath()) + QStringLiteral(": 読みこめませんでした。")),
                 qPrintable(loaded.error()));
        QCOMPARE(store.settings().DOJA_PATH, QStringLiteral("/mine"));
        const AppSettings held = store.settings();
        AppSettings changed = held;
        changed.FtpId = QStringLiteral("kept");
        const Result<> saved = store.SaveSettings(changed);
        QVERIFY(saved.error().contains(store.settingsFilePath()));
        // Neither the defaults nor what the file never took.
        QCOMPARE(store.settings(), held);
        QVERIFY(QFileInfo(store.settingsFilePath()).isDir());
    }

    // Another running copy holds the file: one wait, then only a look, and
    // the message says who holds it.
    void anotherCopysLockIsWaitedForOnce()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path(), testStyle(dir.path()));
        store.setLockWait(300);
        QLockFile other(store.settingsFilePath() + QStringLiteral(".lock"));
        QVERIFY(other.tryLock(0));
        QElapsedTimer timer;
        timer.start();
        const Result<> first = store.WriteIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), QStringLiteral("A"));
        QVERIFY(timer.elapsed() >= 300);
        QVERIFY2(first.error().contains(QStringLiteral("ほかのQuenvelがこのファイルを使用中")), qPrintable(first.error()));
        timer.restart();
        QVERIFY(!store.raiseMinorVersion(lastProject(store)));
        QVERIFY(timer.elapsed() < 300);
        other.unlock();
        QVERIFY(store.SaveSettings(store.settings()));
    }
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
