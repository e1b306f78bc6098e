#include "app/code_page.h"
#include "app/profile_file.h"
#include "app/settings_store.h"
#include "file_bytes.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Tovra.ini read and written by the system's profile functions (the ANSI
// ones, on a Japanese system) and by ours, side by side: each row agrees,
// or names the difference the program makes on purpose and sees that it is
// still there.
namespace {

const QString kMissing = QStringLiteral("<missing>");
// Where the system writes the whole file again and the program keeps the
// lines it does not change byte for byte.
const QString kKeepsLines = QStringLiteral("the system writes every line again; the program keeps those it does not change");

QByteArray ansi(const QString &text)
{
    return toCodePage(text).value();
}

QByteArray nativePath(const QString &path)
{
    return ansi(QDir::toNativeSeparators(path));
}

QString systemRead(const QString &path, const QString &section, const QString &key)
{
    char value[1024];
    const DWORD length = GetPrivateProfileStringA(ansi(section).constData(), ansi(key).constData(),
                                                  ansi(kMissing).constData(), value, sizeof value, nativePath(path).constData());
    return fromCodePage(QByteArray(value, int(length)));
}

int systemReadInt(const QString &path, const QString &section, const QString &key, int defaultValue)
{
    return int(GetPrivateProfileIntA(ansi(section).constData(), ansi(key).constData(), defaultValue,
                                     nativePath(path).constData()));
}

bool systemWrite(const QString &path, const QString &section, const QString &key, const QString &value)
{
    const bool written = WritePrivateProfileStringA(ansi(section).constData(), ansi(key).constData(),
                                                    ansi(value).constData(), nativePath(path).constData());
    // Out of the system's cache and onto the disk.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nativePath(path).constData());
    return written;
}

Result<> ourWrite(const QString &path, const QString &section, const QString &key, const QString &value)
{
    ProfileLockWait wait{100};
    return updateProfileFile(path, [&](ProfileDocument &doc) {
        return doc.setValue(section, key, value) ? Result<>::success() : Result<>::failure(QStringLiteral("refused"));
    }, wait);
}

} // namespace

class ProfileOracleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("ours");  // null: as the system reads it

        const QByteArray global = "[Global]\r\nFtpId=alice\r\nFtpPath=\r\n";
        const QString agree;
        QTest::newRow("names ignore case") << global << "gLoBaL" << "FTPID" << agree;
        QTest::newRow("present but empty") << global << "Global" << "FtpPath" << agree;
        QTest::newRow("missing key") << global << "Global" << "WebUrl" << agree;
        QTest::newRow("blanks around the value") << QByteArray("[G]\r\n  K  = \t C:\\Program Files\\jdk \t\r\n") << "G" << "K" << agree;
        QTest::newRow("[ Global ]") << QByteArray("[ Global ]\r\nK=v\r\n") << "Global" << "K" << agree;
        QTest::newRow("a tab inside the brackets") << QByteArray("[\tG\t]\r\nK=v\r\n") << "G" << "K" << agree;
        QTest::newRow("text after the closing bracket") << QByteArray("[G] x\r\nK=v\r\n") << "G" << "K" << agree;
        QTest::newRow("the name runs to the last bracket") << QByteArray("[G]]\r\nK=v\r\n") << "G]" << "K" << agree;
        QTest::newRow("an unclosed bracket is no section") << QByteArray("[A]\r\nK=a\r\n[B\r\nL=b\r\n") << "B" << "L" << agree;
        QTest::newRow("the keys after it stay with the section before")
            << QByteArray("[A]\r\nK=a\r\n[B\r\nL=b\r\n") << "A" << "L" << agree;
        QTest::newRow("double quotes go") << QByteArray("[G]\r\nK=\"a b\"\r\n") << "G" << "K" << agree;
        QTest::newRow("single quotes go") << QByteArray("[G]\r\nK='a b'\r\n") << "G" << "K" << agree;
        QTest::newRow("quotes inside stay") << QByteArray("[G]\r\nK=\"a\"b\"\r\n") << "G" << "K" << agree;
        QTest::newRow("unmatched quotes stay") << QByteArray("[G]\r\nK=\"v'\r\n") << "G" << "K" << agree;
        QTest::newRow("a lone quote stays") << QByteArray("[G]\r\nK=\"\r\n") << "G" << "K" << agree;
        QTest::newRow("blanks inside quotes stay") << QByteArray("[G]\r\nK= \" a \" \r\n") << "G" << "K" << agree;
        QTest::newRow("the first of duplicate keys") << QByteArray("[G]\r\nK=first\r\nK=second\r\n") << "G" << "K" << agree;
        QTest::newRow("a duplicate section is not seen")
            << QByteArray("[G]\r\nK=first\r\n[G]\r\nK=second\r\nW=w\r\n") << "G" << "W" << agree;
        QTest::newRow("LF line ends, none after the last line") << QByteArray("[G]\nK=lf\nL=last") << "G" << "L" << agree;
        QTest::newRow("a lone CR ends a line") << QByteArray("[G]\r\nK=1\rL=2\r\n") << "G" << "L" << agree;
        QTest::newRow("the line before a lone CR") << QByteArray("[G]\r\nK=1\rL=2\r\n") << "G" << "K" << agree;
        QTest::newRow("a comment") << QByteArray("[G]\r\n;K=commented\r\n") << "G" << "K" << agree;
        QTest::newRow("a semicolon later is value") << QByteArray("[G]\r\nK=v ; c\r\n") << "G" << "K" << agree;
        QTest::newRow("a hash starts a name") << QByteArray("[G]\r\n#K=v\r\n") << "G" << "#K" << agree;
        QTest::newRow("a blank inside a name") << QByteArray("[G]\r\nmy key=v\r\n") << "G" << "my key" << agree;
        QTest::newRow("a key without '=' hides a later one") << QByteArray("[G]\r\nK\r\nK=real\r\n") << "G" << "K" << agree;
        QTest::newRow("a zero byte ends the value") << QByteArray("[G]\r\nK=a\0b\r\n", 12) << "G" << "K" << agree;
        QTest::newRow("1023 bytes of a longer value") << "[G]\r\nK=" + QByteArray(1500, 'a') << "G" << "K" << agree;
        const QString a1021(1021, QLatin1Char('a'));
        QTest::newRow("double-byte characters up to the limit")
            << "[G]\r\nK=" + ansi(a1021 + QStringLiteral("あい")) << "G" << "K" << agree;
        QTest::newRow("Japanese section and value")
            << "[" + ansi(QStringLiteral("テスト")) + "]\r\nK=" + ansi(QStringLiteral("ｱﾌﾟﾘ/テスト")) + "\r\n"
            << QStringLiteral("テスト") << "K" << agree;
        QTest::newRow("0xA0") << QByteArray("[G]\r\nK=site\xA0x\r\n") << "G" << "K" << agree;
        QTest::newRow("a UTF-8 file with its mark") << QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE3\x81\x82\r\n") << "G" << "K" << agree;

        QTest::newRow("differs: a double-byte character across the limit stays out whole, not halved")
            << "[G]\r\nK=a" + ansi(a1021 + QStringLiteral("あい")) << "G" << "K" << QString(1022, QLatin1Char('a'));
        QTest::newRow("differs: an unreadable byte is marked, not read as the default character")
            << QByteArray("[G]\r\nK=site\x81 x\r\n") << "G" << "K" << QStringLiteral("site\uFFFD x");
        // The program's own keys all have names and sections.
        QTest::newRow("differs: no key outside a section") << QByteArray("K=top\r\n[G]\r\nK=v\r\n") << "" << "K" << kMissing;
        QTest::newRow("differs: no key without a name") << QByteArray("[G]\r\n=v\r\n") << "G" << "" << kMissing;
        QTest::newRow("differs: an empty section name finds []") << QByteArray("[]\r\nK=v\r\n") << "" << "K" << "v";
    }

    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, ours);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
        QVERIFY(writeBytes(path, file));
        const QString system = systemRead(path, section, key);
        const QString read = ProfileDocument::load(path).readString(section, key, kMissing);
        if (ours.isNull()) {
            QCOMPARE(read, system);
        } else {
            QCOMPARE(read, ours);
            QVERIFY2(read != system, "the system now reads it as the program does");
        }
    }

    void readsIntegers_data()
    {
        QTest::addColumn<QByteArray>("value");  // of minor; null: no such key
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("ours");
        QTest::newRow("digits, then letters") << QByteArray("12abc") << 12 << 12;
        QTest::newRow("a blank before") << QByteArray(" 7") << 7 << 7;
        QTest::newRow("no digit") << QByteArray("B") << 0 << 0;
        QTest::newRow("in quotes") << QByteArray("\"42\"") << 42 << 42;
        QTest::newRow("an empty value gives the default") << QByteArray("") << 5 << 5;
        QTest::newRow("a missing key gives the default") << QByteArray() << 5 << 5;
        // A version number: the leading decimal digits, never below zero,
        // never wrapped round.
        QTest::newRow("differs: no sign") << QByteArray("-5") << -5 << 0;
        QTest::newRow("differs: no plus") << QByteArray("+3") << 3 << 0;
        QTest::newRow("differs: no hexadecimal") << QByteArray("0x10") << 16 << 0;
        QTest::newRow("differs: too large stops at the largest") << QByteArray("99999999999") << 1215752191 << 2147483647;
        QTest::newRow("differs: 2^32-1 is not -1") << QByteArray("4294967295") << -1 << 2147483647;
    }

    void readsIntegers()
    {
        QFETCH(QByteArray, value);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
        QVERIFY(writeBytes(path, value.isNull() ? QByteArray("[T]\r\n") : "[T]\r\nminor=" + value + "\r\n"));
        QTEST(systemReadInt(path, QStringLiteral("T"), QStringLiteral("minor"), 5), "system");
        QTEST(ProfileDocument::load(path).readInt(QStringLiteral("T"), QStringLiteral("minor"), 5), "ours");
    }

    void writes_data()
    {
        QTest::addColumn<QByteArray>("before");  // null: no file
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("difference");  // empty: the same bytes

        QTest::newRow("a new file") << QByteArray() << "Test" << "Name" << "Test" << "";
        QTest::newRow("in place, with the stored name's case")
            << QByteArray("[Global]\r\nftpid=old\r\nWebUrl=w\r\n") << "gLoBaL" << "FtpId" << "new" << "";
        QTest::newRow("a new key after the section's last")
            << QByteArray("[Global]\r\nA=1\r\n[Other]\r\nB=2\r\n") << "Global" << "C" << "3" << "";
        QTest::newRow("a new section after a last line without its end")
            << QByteArray("[Global]\r\nA=1") << "Test" << "minor" << "8" << "";
        QTest::newRow("a new section at the end") << QByteArray("[Global]\r\nA=1\r\n") << "Test" << "minor" << "8" << "";
        QTest::newRow("the first of duplicate keys") << QByteArray("[G]\r\nK=1\r\nK=2\r\n") << "G" << "K" << "3" << "";
        QTest::newRow("in the first of duplicate sections")
            << QByteArray("[G]\r\nA=1\r\n[H]\r\n[G]\r\nB=2\r\n") << "G" << "B" << "3" << "";
        QTest::newRow("Japanese in the code page") << QByteArray("[G]\r\n") << "G" << "K" << QStringLiteral("テスト") << "";
        QTest::newRow("an empty value") << QByteArray("[G]\r\nK=1\r\n") << "G" << "K" << "" << "";
        QTest::newRow("no leading blanks, trailing ones kept") << QByteArray("[G]\r\n") << "G" << "K" << " \t a b  " << "";
        QTest::newRow("a quoted value replaced") << QByteArray("[G]\r\nK=\"old\"\r\n") << "G" << "K" << "new" << "";
        QTest::newRow("a key without '=' takes the value") << QByteArray("[G]\r\nK\r\nL=1\r\n") << "G" << "K" << "v" << "";
        QTest::newRow("1100 bytes written whole") << QByteArray("[G]\r\n") << "G" << "K" << QString(1100, QLatin1Char('v')) << "";

        QTest::newRow("differs: blanks around another key's '='")
            << QByteArray("[G]\r\nX = keep me \r\nK=1\r\n") << "G" << "K" << "2" << kKeepsLines;
        QTest::newRow("differs: a blank line between sections")
            << QByteArray("[G]\r\nA=1\r\n\r\n[H]\r\nB=2\r\n") << "G" << "C" << "3" << kKeepsLines;
        QTest::newRow("differs: LF line ends") << QByteArray("[G]\nA=1\n") << "G" << "A" << "9" << kKeepsLines;
        QTest::newRow("differs: a lone CR") << QByteArray("[G]\r\nK=1\r") << "G" << "L" << "2" << kKeepsLines;
        QTest::newRow("differs: blanks in a section's brackets")
            << QByteArray("[ Global ]\r\nK=1\r\n") << "Global" << "K" << "2" << kKeepsLines;
    }

    void writes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, difference);
        QTemporaryDir dir;
        const QString systemPath = dir.filePath(QStringLiteral("system.ini"));
        const QString ourPath = dir.filePath(QStringLiteral("ours.ini"));
        if (!before.isNull())
            QVERIFY(writeBytes(systemPath, before) && writeBytes(ourPath, before));
        QVERIFY(systemWrite(systemPath, section, key, value));
        QVERIFY(ourWrite(ourPath, section, key, value));
        if (difference.isEmpty()) {
            QCOMPARE(readBytes(ourPath), readBytes(systemPath));
        } else {
            QVERIFY2(readBytes(ourPath) != readBytes(systemPath), "the system now writes it as the program does");
            // The values read alike all the same.
            QCOMPARE(ProfileDocument::load(ourPath).readString(section, key, kMissing), systemRead(systemPath, section, key));
        }
    }

    // The original saved every key, each with one profile write; a key that
    // another copy or a hand edit changed since the load was undone then.
    void differs_aSaveWritesOnlyWhatChanged()
    {
        QTemporaryDir dir;
        const QByteArray file = "[Global]\r\nlastProject=Hello\r\nFtpId=alice\r\nFtpPath=pub\r\nJAVA_PATH=C:\\jdk\r\n"
                                "DOJA_PATH=C:\\sdk\r\n[Hello]\r\nName=Hello\r\nmajor=1\r\nminor=4\r\n";
        SettingsStore store(QDir::toNativeSeparators(dir.path()), PathStyle::native());
        QVERIFY(writeBytes(store.settingsFilePath(), file) && store.LoadSettings());
        const QByteArray handEdited = QByteArray(file).replace("FtpId=alice", "FtpId=bob");
        QVERIFY(writeBytes(store.settingsFilePath(), handEdited));
        AppSettings changed = store.settings();
        changed.FtpPath = QStringLiteral("www");

        const QString systemPath = dir.filePath(QStringLiteral("system.ini"));
        QVERIFY(writeBytes(systemPath, handEdited));
        const AppSettings &s = changed;
        const QString project = s.lastProject;
        for (const auto &[section, key, value] : std::initializer_list<std::tuple<QString, QString, QString>>{
                 {project, "Name", project}, {project, "major", QString::number(s.major)},
                 {project, "minor", QString::number(s.minor)}, {"Global", "WebUrl", s.WebUrl}, {"Global", "FtpUrl", s.FtpUrl},
                 {"Global", "FtpPath", s.FtpPath}, {"Global", "FtpId", s.FtpId}, {"Global", "FtpPassword", s.FtpPassword},
                 {"Global", "JAVA_PATH", s.JAVA_PATH}, {"Global", "DOJA_PATH", s.DOJA_PATH}, {"Global", "lastProject", project}})
            QVERIFY(systemWrite(systemPath, section, key, value));
        QVERIFY(store.SaveSettings(changed));

        QCOMPARE(systemRead(systemPath, QStringLiteral("Global"), QStringLiteral("FtpId")), QStringLiteral("alice"));
        QCOMPARE(systemRead(store.settingsFilePath(), QStringLiteral("Global"), QStringLiteral("FtpId")), QStringLiteral("bob"));
        for (const char *key : {"FtpPath", "WebUrl", "FtpUrl", "FtpPassword", "JAVA_PATH", "DOJA_PATH", "lastProject"})
            QCOMPARE(systemRead(store.settingsFilePath(), QStringLiteral("Global"), QLatin1String(key)),
                     systemRead(systemPath, QStringLiteral("Global"), QLatin1String(key)));
    }

    // Two copies of the program must not drop each other's keys: while
    // another holds the lock, the program's write waits and then fails.
    void differs_anotherCopysLockHoldsTheWriteBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
        QVERIFY(writeBytes(path, "[G]\r\nK=1\r\n"));
        QLockFile otherCopy(path + QStringLiteral(".lock"));
        QVERIFY(otherCopy.tryLock(0));
        QVERIFY(!ourWrite(path, QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("2")));
        QCOMPARE(readBytes(path), QByteArray("[G]\r\nK=1\r\n"));
        QVERIFY(systemWrite(path, QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("2")));
        QCOMPARE(readBytes(path), QByteArray("[G]\r\nK=2\r\n"));
    }
};

QTEST_GUILESS_MAIN(ProfileOracleTest)
#include "tst_profile_oracle.moc"
