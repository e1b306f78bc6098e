#include "app/code_page.h"
#include "code_page_table.h"
#include "test_paths.h"

#include <QFile>
#include <QTest>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Code page 932 as the system converts it, against ours. The system's own
// conversions, with the differences the program makes on purpose, give the
// expected table; the program's must equal it. The expected table is also
// written into the build tree, where scripts/test_windows.sh sets the Linux
// build's table beside it.
namespace {

std::optional<QString> systemDecode(const QByteArray &bytes, DWORD flags)
{
    wchar_t text[8];
    const int length = MultiByteToWideChar(932, flags, bytes.constData(), int(bytes.size()), text, 8);
    if (length <= 0)
        return std::nullopt;
    return QString::fromWCharArray(text, length);
}

// Nothing when the system would write its default character.
std::optional<QByteArray> systemEncode(const QString &text)
{
    char bytes[16];
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(text.utf16()),
                                           int(text.size()), bytes, sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    return QByteArray(bytes, length);
}

// The JIS forms that input methods type, written as the Windows forms.
constexpr char16_t kJisForms[][2] = {{0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x00A2, 0xFFE0},
                                     {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2014, 0x2015}};

// What the system reads is read; a byte it reads only when not asked to
// report errors, and writes back as itself, is read so too (0xA0, 0xFD to
// 0xFF); anything else it cannot read is marked with U+FFFD, where it would
// put its default character.
QString expectedDecode(const QByteArray &bytes)
{
    if (const std::optional<QString> text = systemDecode(bytes, MB_ERR_INVALID_CHARS))
        return *text;
    const std::optional<QString> loose = systemDecode(bytes, 0);
    if (loose && systemEncode(*loose) == bytes)
        return *loose;
    return QString(QChar::ReplacementCharacter);
}

std::optional<QByteArray> expectedEncode(const QString &text)
{
    for (const auto &form : kJisForms) {
        if (text == QChar(form[0]))
            return systemEncode(QString(QChar(form[1])));
    }
    return systemEncode(text);
}

QString hexBytes(const std::optional<QByteArray> &bytes)
{
    return bytes ? QString::fromLatin1(bytes->toHex().toUpper()) : QStringLiteral("-");
}

} // namespace

class CodePageOracleTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The system's own behaviour where the program's differs on purpose, so
    // that each difference is seen to be needed.
    void systemBehaviourBehindEachDifference_data()
    {
        QTest::addColumn<QByteArray>("bytes");       // read by the system
        QTest::addColumn<bool>("strictReads");       // with MB_ERR_INVALID_CHARS
        QTest::addColumn<QString>("looseText");      // without it
        QTest::addColumn<QString>("looseWrittenAs"); // those characters written back, hex
        QTest::newRow("0x80 reads as U+0080 even strictly") << QByteArray("\x80") << true << "\u0080" << "80";
        QTest::newRow("0xA0 reads only loosely, as U+F8F0, and goes back")
            << QByteArray("\xA0") << false << "\uF8F0" << "A0";
        QTest::newRow("0xFF reads only loosely, as U+F8F3, and goes back")
            << QByteArray("\xFF") << false << "\uF8F3" << "FF";
        QTest::newRow("a pair without a character reads loosely as the default, which is another pair")
            << QByteArray("\x85\x40") << false << "\u30FB" << "8145";
        QTest::newRow("a lead byte alone does not read strictly") << QByteArray("\x81") << false << QString() << "-";
    }

    void systemBehaviourBehindEachDifference()
    {
        QFETCH(QByteArray, bytes);
        QTEST(systemDecode(bytes, MB_ERR_INVALID_CHARS).has_value(), "strictReads");
        QFETCH(QString, looseText);
        if (!looseText.isEmpty())
            QCOMPARE(systemDecode(bytes, 0).value_or(QString()), looseText);
        QTEST(hexBytes(systemEncode(looseText)), "looseWrittenAs");
    }

    void jisFormsHaveNoBytesOfTheirOwn()
    {
        for (const auto &form : kJisForms) {
            QVERIFY2(!systemEncode(QString(QChar(form[0]))), qPrintable(QString::number(form[0], 16)));
            QVERIFY(systemEncode(QString(QChar(form[1]))));
        }
    }

    void everyByteAndCharacterAgrees()
    {
        const QStringList expected = codePageTable({expectedDecode, expectedEncode});
        QFile reference(binaryDir() + QStringLiteral("/code_page_932_windows.txt"));
        QVERIFY(reference.open(QIODevice::WriteOnly | QIODevice::Truncate));
        reference.write((expected.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLatin1());
        QVERIFY(reference.flush());

        const QStringList ours = codePageTable(ourCodePage());
        QCOMPARE(ours.size(), expected.size());
        QStringList differences;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            if (ours[i] != expected[i])
                differences << expected[i] + QStringLiteral(", ours: ") + ours[i].section(QLatin1Char(' '), 2);
        }
        QVERIFY2(differences.isEmpty(), qPrintable(QStringLiteral("%1 differences:\n").arg(differences.size())
                                                  + differences.mid(0, 40).join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(CodePageOracleTest)
#include "tst_code_page_oracle.moc"
