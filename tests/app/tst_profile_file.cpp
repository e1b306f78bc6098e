#include "app/code_page.h"
#include "app/profile_file.h"
#include "app/result.h"
#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray sjis(const QString &text) { return toCodePage(text).value(); }

} // namespace

class ProfileFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsByTheProfileRules_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");  // "<missing>" for no value

        const QByteArray basic = "[Global]\r\nFtpId=alice\r\nFtpPath=\r\n";
        QTest::newRow("names ignore case") << basic << "gLoBaL" << "FTPID" << "alice";
        QTest::newRow("present but empty is empty, not missing") << basic << "Global" << "FtpPath" << "";
        QTest::newRow("missing key") << basic << "Global" << "WebUrl" << "<missing>";
        QTest::newRow("missing section") << basic << "Test" << "FtpId" << "<missing>";
        QTest::newRow("blanks around the value go, blanks inside stay")
            << QByteArray("[G]\r\nK = \t C:\\Program Files\\jdk \t\r\n") << "G" << "K" << "C:\\Program Files\\jdk";
        QTest::newRow("LF-only line ends, no final one") << QByteArray("[G]\nK=lf\nL=last") << "G" << "L" << "last";
        QTest::newRow("UTF-8 byte-order mark")
            << QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE3\x81\x82\r\n") << "G" << "K" << QStringLiteral("あ");
        QTest::newRow("first of duplicated keys wins") << QByteArray("[G]\r\nK=first\r\nK=second\r\n") << "G" << "K"
                                                       << "first";
        QTest::newRow("a duplicated section is not seen")
            << QByteArray("[G]\r\nK=first\r\n[G]\r\nK=second\r\nW=w\r\n") << "G" << "W" << "<missing>";
        QTest::newRow("a key without an equals sign has no value, and hides a later one")
            << QByteArray("[G]\r\nK\r\nK=real\r\n") << "G" << "K" << "<missing>";
        QTest::newRow("a bracket line without its closing bracket is no section")
            << QByteArray("[A]\r\n[B\r\nK=a\r\n") << "A" << "K" << "a";
        QTest::newRow("a section's name runs to the last closing bracket")
            << QByteArray("[G]]\r\nK=v\r\n") << "G]" << "K" << "v";
        QTest::newRow("a zero byte ends the value") << QByteArray("[G]\r\nK=a\0b\r\n", 12) << "G" << "K" << "a";
        QTest::newRow("comment lines are no keys") << QByteArray("[G]\r\n;K=commented\r\n") << "G" << "K" << "<missing>";
        QTest::newRow("Japanese section and value in Windows-31J")
            << (QByteArray("[") + sjis(QStringLiteral("テスト")) + "]\r\nK=" + sjis(QStringLiteral("ｱﾌﾟﾘ/テスト")) + "\r\n")
            << QStringLiteral("テスト") << "K" << QStringLiteral("ｱﾌﾟﾘ/テスト");
        QTest::newRow("unreadable byte shows as U+FFFD")
            << QByteArray("[G]\r\nK=site\x81 x\r\n") << "G" << "K" << QStringLiteral("site\uFFFD x");
        QTest::newRow("0xA0 reads as Windows reads it")
            << QByteArray("[G]\r\nK=site\xA0x\r\n") << "G" << "K" << QStringLiteral("site\uF8F0x");
        QTest::newRow("enclosing double quotes go, as Windows reads them")
            << QByteArray("[G]\r\nK=\"/path/with blanks/sdk\"\r\n") << "G" << "K" << "/path/with blanks/sdk";
        QTest::newRow("enclosing single quotes go") << QByteArray("[G]\r\nK='v'\r\n") << "G" << "K" << "v";
        QTest::newRow("inner quotes stay") << QByteArray("[G]\r\nK=\"a\"b\"\r\n") << "G" << "K" << "a\"b";
        QTest::newRow("unmatched quotes stay") << QByteArray("[G]\r\nK=\"v'\r\n") << "G" << "K" << "\"v'";
        QTest::newRow("a lone quote stays") << QByteArray("[G]\r\nK=\"\r\n") << "G" << "K" << "\"";

        const QString a1021(1021, QLatin1Char('a'));
        QTest::newRow("cut at 1023 bytes") << "[G]\r\nK=" + QByteArray(1500, 'a') << "G" << "K" << QString(1023, QLatin1Char('a'));
        QTest::newRow("a double-byte character across the limit goes whole")
            << "[G]\r\nK=a" + sjis(a1021 + QStringLiteral("あい")) << "G" << "K" << QString(1022, QLatin1Char('a'));
        QTest::newRow("double-byte characters up to the limit stay")
            << "[G]\r\nK=" + sjis(a1021 + QStringLiteral("あい")) << "G" << "K" << a1021 + QStringLiteral("あ");
        QTest::newRow("half-width katakana are one byte")
            << "[G]\r\nK=" + sjis(QString(1100, QChar(0xFF71))) << "G" << "K" << QString(1023, QChar(0xFF71));
    }

    void readsByTheProfileRules()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QTEST(ProfileDocument::fromBytes(file).readString(section, key, QStringLiteral("<missing>")), "expected");
    }

    void readsIntegers()
    {
        const ProfileDocument doc = ProfileDocument::fromBytes("[Test]\r\nminor=12abc\r\nmajor=99999999999\r\nName= \r\n");
        QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("minor"), 42), 12);
        // Too large stops at the largest instead of wrapping round.
        QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("major"), 42), 2147483647);
        QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("name"), 42), 42);
        QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("absent"), 42), 42);
    }

    void writesInPlaceAndKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");  // equal to before: the value is refused

        QTest::newRow("new file") << QByteArray() << "Test" << "Name" << "Test" << QByteArray("[Test]\r\nName=Test\r\n");
        QTest::newRow("replace in place, keeping the stored key's spelling and other lines")
            << QByteArray("; mine\r\n[Global]\r\nX-Custom = keep me \r\nftpid = old\r\nWebUrl=w\r\n") << "Global"
            << "FtpId" << "new" << QByteArray("; mine\r\n[Global]\r\nX-Custom = keep me \r\nftpid=new\r\nWebUrl=w\r\n");
        QTest::newRow("append key at the end of its section, before blank lines")
            << QByteArray("[Global]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n") << "global" << "C" << "3"
            << QByteArray("[Global]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n");
        QTest::newRow("append section at the end of a file without final line end")
            << QByteArray("[Global]\r\nA=1") << "Test" << "minor" << "8"
            << QByteArray("[Global]\r\nA=1\r\n[Test]\r\nminor=8\r\n");
        QTest::newRow("LF-only lines are kept as they are")
            << QByteArray("[Global]\nA=1\n#note\n") << "Global" << "A" << "9" << QByteArray("[Global]\nA=9\n#note\n");
        QTest::newRow("only the first of duplicated keys changes")
            << QByteArray("[G]\r\nK=1\r\nK=2\r\n") << "G" << "K" << "3" << QByteArray("[G]\r\nK=3\r\nK=2\r\n");
        QTest::newRow("line breaks in a value cannot make new lines")
            << QByteArray("[G]\r\n") << "G" << "K" << "a\r\n[Evil]\nx=1" << QByteArray("[G]\r\nK=a  [Evil] x=1\r\n");
        QTest::newRow("byte-order mark kept, UTF-8 written")
            << QByteArray("\xEF\xBB\xBF[G]\r\n") << "G" << "K" << QStringLiteral("あ")
            << QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE3\x81\x82\r\n");
        QTest::newRow("Japanese value in Windows-31J") << QByteArray("[G]\r\n") << "G" << "K" << QStringLiteral("テスト")
                                                       << "[G]\r\nK=" + sjis(QStringLiteral("テスト")) + "\r\n";
        QTest::newRow("a lone CR ends the last line: the new key is not glued to it")
            << QByteArray("[G]\r\nK=1\r") << "G" << "L" << "2" << QByteArray("[G]\r\nK=1\rL=2\r\n");
        QTest::newRow("a key without an equals sign takes the value in place")
            << QByteArray("[G]\r\nK\r\nL=1\r\n") << "G" << "K" << "v" << QByteArray("[G]\r\nK=v\r\nL=1\r\n");
        QTest::newRow("a value's leading blanks are not written") << QByteArray("[G]\r\n") << "G" << "K" << " \t a b "
                                                                 << QByteArray("[G]\r\nK=a b \r\n");
        QTest::newRow("a value outside the code page is refused")
            << QByteArray("[G]\r\nK=old\r\n") << "G" << "K" << QStringLiteral("\U0001F600") << QByteArray("[G]\r\nK=old\r\n");
    }

    void writesInPlaceAndKeepsEveryOtherLine()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        ProfileDocument doc = ProfileDocument::fromBytes(before);
        QCOMPARE(doc.setValue(section, key, value), after != before);
        QCOMPARE(doc.toBytes(), after);
    }

    void fileUpdateIsAtomicAndOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
        ProfileLockWait wait;
        QVERIFY(updateProfileFile(path, [](ProfileDocument &doc) {
            const bool set = doc.setValue(QStringLiteral("Global"), QStringLiteral("FtpPassword"), QStringLiteral("secret"));
            return set ? Result<>::success() : Result<>::failure(QStringLiteral("refused"));
        }, wait));
        QCOMPARE(readBytes(path), QByteArray("[Global]\r\nFtpPassword=secret\r\n"));
    #ifndef Q_OS_WIN
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
    #endif
        // A change that gives up leaves the file as it was.
        const Result<> gaveUp = updateProfileFile(path, [](ProfileDocument &) { return Result<>::failure(QStringLiteral("no")); }, wait);
        QCOMPARE(gaveUp.error(), QStringLiteral("no"));
        QCOMPARE(readBytes(path), QByteArray("[Global]\r\nFtpPassword=secret\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Tovra.ini")});
    }
};

QTEST_GUILESS_MAIN(ProfileFileTest)
#include "tst_profile_file.moc"
