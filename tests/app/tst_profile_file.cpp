#include "app/code_page.h"
#include "app/profile_file.h"
#include "app/result.h"
#include "file_bytes.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray sjis(const QString &text)
{
    return toCodePage(text).value();
}

} // namespace

class ProfileFileTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsByTheProfileRules_data();
    void readsByTheProfileRules();
    void cutsLongValuesWithoutSplittingCharacters_data();
    void cutsLongValuesWithoutSplittingCharacters();
    void readsIntegers_data();
    void readsIntegers();
    void writesInPlaceAndKeepsEveryOtherLine_data();
    void writesInPlaceAndKeepsEveryOtherLine();
    void refusesValuesOutsideTheCodePage();
    void survivesGarbage();
    void fileUpdateIsAtomicAndOwnerOnly();
    void unwritableFileLosesTheWriteOnly();
};

void ProfileFileTest::readsByTheProfileRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");  // "<missing>" for no value

    const QByteArray basic = "[Global]\r\nFtpId=alice\r\nFtpPath=\r\n";
    QTest::newRow("present") << basic << "Global" << "FtpId" << "alice";
    QTest::newRow("present but empty is empty, not missing") << basic << "Global" << "FtpPath" << "";
    QTest::newRow("missing key") << basic << "Global" << "WebUrl" << "<missing>";
    QTest::newRow("missing section") << basic << "Test" << "FtpId" << "<missing>";
    QTest::newRow("names ignore case") << basic << "gLoBaL" << "FTPID" << "alice";
    QTest::newRow("blanks around the value are trimmed")
        << QByteArray("[Global]\r\nFtpId = \t bob \t\r\n") << "Global" << "FtpId" << "bob";
    QTest::newRow("blanks inside the value stay")
        << QByteArray("[Global]\r\nJAVA_PATH=C:\\Program Files\\jdk\r\n") << "Global" << "JAVA_PATH"
        << "C:\\Program Files\\jdk";
    QTest::newRow("blanks around the section name")
        << QByteArray("[ Global ]\r\nFtpId=x\r\n") << "Global" << "FtpId" << "x";
    QTest::newRow("LF-only line ends") << QByteArray("[Global]\nFtpId=lf\n") << "Global" << "FtpId" << "lf";
    QTest::newRow("no final line end") << QByteArray("[Global]\r\nFtpId=last") << "Global" << "FtpId" << "last";
    QTest::newRow("UTF-8 byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Global]\r\nFtpId=\xE3\x81\x82\r\n") << "Global" << "FtpId"
        << QStringLiteral("あ");
    QTest::newRow("first of duplicated keys wins")
        << QByteArray("[Global]\r\nFtpId=first\r\nFtpId=second\r\n") << "Global" << "FtpId" << "first";
    QTest::newRow("first of duplicated sections wins")
        << QByteArray("[Global]\r\nFtpId=first\r\n[Global]\r\nFtpId=second\r\nWebUrl=w\r\n") << "Global"
        << "FtpId" << "first";
    QTest::newRow("key only in a duplicated section is not seen")
        << QByteArray("[Global]\r\nFtpId=first\r\n[Global]\r\nWebUrl=w\r\n") << "Global" << "WebUrl"
        << "<missing>";
    QTest::newRow("line without equals sign is no key")
        << QByteArray("[Global]\r\nFtpId\r\nFtpId=real\r\n") << "Global" << "FtpId" << "real";
    QTest::newRow("comment lines are no keys")
        << QByteArray("[Global]\r\n;FtpId=commented\r\n") << "Global" << "FtpId" << "<missing>";
    QTest::newRow("value holding an equals sign")
        << QByteArray("[Global]\r\nWebUrl=a=b\r\n") << "Global" << "WebUrl" << "a=b";
    QTest::newRow("Japanese value in Windows-31J")
        << (QByteArray("[Global]\r\nFtpPath=") + sjis(QStringLiteral("ｱﾌﾟﾘ/テスト")) + "\r\n") << "Global"
        << "FtpPath" << QStringLiteral("ｱﾌﾟﾘ/テスト");
    QTest::newRow("enclosing double quotes go, as Windows reads them")
        << QByteArray("[Global]\r\nDOJA_PATH=\"/path/with blanks/sdk\"\r\n") << "Global" << "DOJA_PATH"
        << "/path/with blanks/sdk";
    QTest::newRow("enclosing single quotes go") << QByteArray("[Global]\r\nK='v'\r\n") << "Global" << "K" << "v";
    QTest::newRow("inner quotes stay") << QByteArray("[Global]\r\nK=\"a\"b\"\r\n") << "Global" << "K" << "a\"b";
    QTest::newRow("unmatched quotes stay") << QByteArray("[Global]\r\nK=\"v'\r\n") << "Global" << "K" << "\"v'";
    QTest::newRow("a lone quote stays") << QByteArray("[Global]\r\nK=\"\r\n") << "Global" << "K" << "\"";
    QTest::newRow("unreadable byte shows as U+FFFD")
        << QByteArray("[Global]\r\nWebUrl=site\xA0x\r\n") << "Global" << "WebUrl" << QStringLiteral("site\uFFFDx");
    QTest::newRow("Japanese section name")
        << (QByteArray("[") + sjis(QStringLiteral("テスト")) + "]\r\nmajor=3\r\n") << QStringLiteral("テスト")
        << "major" << "3";
}

void ProfileFileTest::readsByTheProfileRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const ProfileDocument doc = ProfileDocument::fromBytes(file);
    QCOMPARE(doc.readString(section, key, QStringLiteral("<missing>")), expected);
}

void ProfileFileTest::cutsLongValuesWithoutSplittingCharacters_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1500 single-byte characters") << QString(1500, QLatin1Char('a')) << QString(1023, QLatin1Char('a'));
    QTest::newRow("double-byte character across the limit")
        << QString(1022, QLatin1Char('a')) + QStringLiteral("あい") << QString(1022, QLatin1Char('a'));
    QTest::newRow("double-byte characters up to the limit")
        << QString(1021, QLatin1Char('a')) + QStringLiteral("あい") << QString(1021, QLatin1Char('a')) + QStringLiteral("あ");
    QTest::newRow("exactly 1023 bytes stays whole") << QString(1023, QLatin1Char('b')) << QString(1023, QLatin1Char('b'));
    QTest::newRow("half-width katakana are one byte")
        << QString(1100, QChar(0xFF71)) << QString(1023, QChar(0xFF71));
}

void ProfileFileTest::cutsLongValuesWithoutSplittingCharacters()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const ProfileDocument doc = ProfileDocument::fromBytes("[Global]\r\nFtpPath=" + sjis(value) + "\r\n");
    QCOMPARE(doc.readString(QStringLiteral("Global"), QStringLiteral("FtpPath"), {}), expected);
}

void ProfileFileTest::readsIntegers_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << QByteArray("7") << 7;
    QTest::newRow("leading digits only") << QByteArray("12abc") << 12;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("largest 32-bit value") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("too large stops at the largest") << QByteArray("99999999999") << 2147483647;
}

void ProfileFileTest::readsIntegers()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    const ProfileDocument doc = ProfileDocument::fromBytes("[Test]\r\nminor=" + value + "\r\n");
    QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("minor"), 42), expected);
    QCOMPARE(doc.readInt(QStringLiteral("Test"), QStringLiteral("major"), 42), 42);
}

void ProfileFileTest::writesInPlaceAndKeepsEveryOtherLine_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "Test" << "Name" << "Test" << QByteArray("[Test]\r\nName=Test\r\n");
    QTest::newRow("replace in place, keeping the stored key's spelling")
        << QByteArray("; mine\r\n[Global]\r\nftpid = old\r\nWebUrl=w\r\n") << "Global" << "FtpId" << "new"
        << QByteArray("; mine\r\n[Global]\r\nftpid=new\r\nWebUrl=w\r\n");
    QTest::newRow("append key at the end of its section, before blank lines")
        << QByteArray("[Global]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n") << "global" << "C" << "3"
        << QByteArray("[Global]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n");
    QTest::newRow("append section at the end of the file")
        << QByteArray("[Global]\r\nA=1\r\n") << "Test" << "minor" << "8"
        << QByteArray("[Global]\r\nA=1\r\n[Test]\r\nminor=8\r\n");
    QTest::newRow("file without final line end")
        << QByteArray("[Global]\r\nA=1") << "Global" << "B" << "2" << QByteArray("[Global]\r\nA=1\r\nB=2\r\n");
    QTest::newRow("LF-only lines are kept as they are")
        << QByteArray("[Global]\nA=1\n#note\n") << "Global" << "A" << "9" << QByteArray("[Global]\nA=9\n#note\n");
    QTest::newRow("unknown keys and comments untouched")
        << QByteArray("[Global]\r\nX-Custom = keep me \r\n;comment\r\nFtpId=a\r\n") << "Global" << "FtpId" << "b"
        << QByteArray("[Global]\r\nX-Custom = keep me \r\n;comment\r\nFtpId=b\r\n");
    QTest::newRow("only the first of duplicated keys changes")
        << QByteArray("[G]\r\nK=1\r\nK=2\r\n") << "G" << "K" << "3" << QByteArray("[G]\r\nK=3\r\nK=2\r\n");
    QTest::newRow("line breaks in a value cannot make new lines")
        << QByteArray("[G]\r\n") << "G" << "K" << "a\r\n[Evil]\nx=1"
        << QByteArray("[G]\r\nK=a  [Evil] x=1\r\n");
    QTest::newRow("byte-order mark kept, UTF-8 written")
        << QByteArray("\xEF\xBB\xBF[G]\r\n") << "G" << "K" << QStringLiteral("あ")
        << QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE3\x81\x82\r\n");
    QTest::newRow("Japanese value in Windows-31J")
        << QByteArray("[G]\r\n") << "G" << "K" << QStringLiteral("テスト")
        << (QByteArray("[G]\r\nK=") + sjis(QStringLiteral("テスト")) + "\r\n");
}

void ProfileFileTest::writesInPlaceAndKeepsEveryOtherLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    ProfileDocument doc = ProfileDocument::fromBytes(before);
    QVERIFY(doc.setValue(section, key, value));
    QCOMPARE(doc.toBytes(), after);
}

void ProfileFileTest::refusesValuesOutsideTheCodePage()
{
    ProfileDocument doc = ProfileDocument::fromBytes("[G]\r\nK=old\r\n");
    QVERIFY(!doc.setValue(QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("\U0001F600")));
    QCOMPARE(doc.toBytes(), QByteArray("[G]\r\nK=old\r\n"));
}

void ProfileFileTest::survivesGarbage()
{
    QByteArray garbage;
    garbage.reserve(10 * 1024 * 1024);
    quint32 seed = 12345;
    while (garbage.size() < 10 * 1024 * 1024) {
        seed = seed * 1103515245 + 12345;
        garbage.append(char(seed >> 24));
    }
    garbage += "\r\n[Global]\r\nFtpId=" + QByteArray(100000, 'z') + "\r\n";
    ProfileDocument doc = ProfileDocument::fromBytes(garbage);
    QCOMPARE(doc.readString(QStringLiteral("Global"), QStringLiteral("FtpId"), {}), QString(1023, QLatin1Char('z')));
    doc.readInt(QStringLiteral("Nothing"), QStringLiteral("minor"), 0);
    const QByteArray before = doc.toBytes();
    QCOMPARE(before, garbage);
    QVERIFY(doc.setValue(QStringLiteral("Global"), QStringLiteral("WebUrl"), QStringLiteral("w")));
    QVERIFY(doc.toBytes().startsWith(garbage.left(garbage.size() - 100002)));
}

void ProfileFileTest::fileUpdateIsAtomicAndOwnerOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
    QVERIFY(updateProfileFile(path, [](ProfileDocument &doc) {
        return doc.setValue(QStringLiteral("Global"), QStringLiteral("FtpPassword"), QStringLiteral("secret"))
                   ? Result::success()
                   : Result::failure(QStringLiteral("refused"));
    }));
    QCOMPARE(readBytes(path), QByteArray("[Global]\r\nFtpPassword=secret\r\n"));
#ifndef Q_OS_WIN
    QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
#endif
    // A change that gives up leaves the file as it was.
    const Result gaveUp = updateProfileFile(path, [](ProfileDocument &) { return Result::failure(QStringLiteral("no")); });
    QCOMPARE(gaveUp.error(), QStringLiteral("no"));
    QCOMPARE(readBytes(path), QByteArray("[Global]\r\nFtpPassword=secret\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Tovra.ini")});
}

void ProfileFileTest::unwritableFileLosesTheWriteOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tovra.ini"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tovra.ini")));
    const Result written = updateProfileFile(path, [](ProfileDocument &doc) {
        (void)doc.setValue(QStringLiteral("Global"), QStringLiteral("A"), QStringLiteral("1"));
        return Result::success();
    });
    QVERIFY(written.error().startsWith(QDir::toNativeSeparators(path)));
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(ProfileDocument::load(path).readString(QStringLiteral("Global"), QStringLiteral("A"), QStringLiteral("d")),
             QStringLiteral("d"));
}

QTEST_GUILESS_MAIN(ProfileFileTest)
#include "tst_profile_file.moc"
