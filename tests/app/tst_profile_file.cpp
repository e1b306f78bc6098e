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

        // Where the program reads as Windows does, tests/windows/tst_profile_oracle.cpp
        // holds it against the system itself; these are the program's own rules.
        QTest::newRow("missing section") << QByteArray("[Global]\r\nFtpId=alice\r\n") << "Test" << "FtpId" << "<missing>";
        QTest::newRow("unreadable byte shows as U+FFFD")
            << QByteArray("[G]\r\nK=site\x81 x\r\n") << "G" << "K" << QStringLiteral("site\uFFFD x");
        const QString a1021(1021, QLatin1Char('a'));
        QTest::newRow("a double-byte character across the limit goes whole")
            << "[G]\r\nK=a" + sjis(a1021 + QStringLiteral("あい")) << "G" << "K" << QString(1022, QLatin1Char('a'));
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

    void writesInPlaceAndKeepsEveryOtherLine_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");  // equal to before: the value is refused

        // Where the program writes as Windows does, the oracle test holds its
        // bytes against the system's; these are the lines it keeps.
        QTest::newRow("replace in place, keeping the stored key's spelling and other lines")
            << QByteArray("; mine\r\n[Global]\r\nX-Custom = keep me \r\nftpid = old\r\nWebUrl=w\r\n") << "Global"
            << "FtpId" << "new" << QByteArray("; mine\r\n[Global]\r\nX-Custom = keep me \r\nftpid=new\r\nWebUrl=w\r\n");
        QTest::newRow("append key at the end of its section, before blank lines")
            << QByteArray("[Global]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n") << "global" << "C" << "3"
            << QByteArray("[Global]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n");
        QTest::newRow("LF-only lines are kept as they are")
            << QByteArray("[Global]\nA=1\n#note\n") << "Global" << "A" << "9" << QByteArray("[Global]\nA=9\n#note\n");
        QTest::newRow("line breaks in a value cannot make new lines")
            << QByteArray("[G]\r\n") << "G" << "K" << "a\r\n[Evil]\nx=1" << QByteArray("[G]\r\nK=a  [Evil] x=1\r\n");
        QTest::newRow("byte-order mark kept, UTF-8 written")
            << QByteArray("\xEF\xBB\xBF[G]\r\n") << "G" << "K" << QStringLiteral("あ")
            << QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE3\x81\x82\r\n");
        QTest::newRow("a lone CR ends the last line: the new key is not glued to it")
            << QByteArray("[G]\r\nK=1\r") << "G" << "L" << "2" << QByteArray("[G]\r\nK=1\rL=2\r\n");
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
