#include "app/code_page.h"

#include <QTest>

// Bytes read and fresh text written as Windows' code page 932 does it, on
// every platform; the Windows leg holds every byte and character against
// the system's own conversion, these rows keep a Linux-only run honest.
class CodePageTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsAndWritesAsWindows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");        // as read
        QTest::addColumn<QByteArray>("written");  // the text written again; null: refused
        QTest::newRow("control bytes read as themselves, not as ICU moves them")
            << QByteArray("\x1A\x1C\x7F") << QStringLiteral("\u001A\u001C\u007F") << QByteArray("\x1A\x1C\x7F");
        QTest::newRow("a character held at two codes is written at Windows' one")
            << QByteArray("\x87\x90\xFA\x58\xED\x40\xFA\x54") << QStringLiteral("\u2252\u3231\u7E8A\uFFE2")
            << QByteArray("\x81\xE0\x87\x8A\xFA\x5C\x81\xCA");
        QTest::newRow("the bytes only Windows reads") << QByteArray("\x80\xA0\xFD\xFE\xFF")
                                                      << QStringLiteral("\u0080\uF8F0\uF8F1\uF8F2\uF8F3")
                                                      << QByteArray("\x80\xA0\xFD\xFE\xFF");
        QTest::newRow("a user-defined character") << QByteArray("\xF0\x40") << QStringLiteral("\uE000") << QByteArray("\xF0\x40");
        QTest::newRow("a pair without a character is one mark")
            << QByteArray("a\x85\x40z") << QStringLiteral("a\uFFFDz") << QByteArray();
        QTest::newRow("a lead byte before a non-trail byte marks the lead byte alone")
            << QByteArray("\x81 x") << QStringLiteral("\uFFFD x") << QByteArray();
        QTest::newRow("a private character written by a look-alike's bytes by ICU is refused")
            << QByteArray() << QStringLiteral("\uF86F") << QByteArray();
        QTest::newRow("no look-alike for the yen sign") << QByteArray() << QStringLiteral("\u00A5") << QByteArray();
        QTest::newRow("the JIS forms input methods type go as the Windows forms")
            << QByteArray() << QStringLiteral("\u301C\u2212") << QByteArray("\x81\x60\x81\x7C");
    }

    void readsAndWritesAsWindows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        if (!bytes.isEmpty())
            QCOMPARE(fromCodePage(bytes), text);
        QFETCH(QByteArray, written);
        const std::optional<QByteArray> encoded = toCodePage(text);
        QCOMPARE(encoded.value_or(QByteArray()), written);
        QCOMPARE(encoded.has_value(), !written.isNull());
    }
};

QTEST_GUILESS_MAIN(CodePageTest)
#include "tst_code_page.moc"
