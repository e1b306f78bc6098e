#include "app/line_ends.h"

#include <QTest>

class LineEndsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void converts_data();
    void converts();
};

void LineEndsTest::converts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("crLfLines");
    QTest::addColumn<QString>("fromLf");
    QTest::addColumn<QString>("toLf");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QByteArray>("wire");  // FTP's text mode

    QTest::newRow("empty") << "" << "" << "" << "" << "" << "" << QByteArray("");
    QTest::newRow("no line end after the last line") << "a\r\nb" << "a\r\nb\r\n" << "a\r\r\nb" << "a\nb" << "a\nb" << "a\nb"
                                                     << QByteArray("a\r\nb");
    QTest::newRow("LF only") << "a\nb\n" << "a\r\nb\r\n" << "a\r\nb\r\n" << "a\nb\n" << "a\nb\n" << "a\nb\n"
                             << QByteArray("a\r\nb\r\n");
    QTest::newRow("lone CR") << "a\rb\r" << "a\r\nb\r\n" << "a\rb\r" << "a\rb\r" << "ab" << "a\nb\n" << QByteArray("a\rb\r");
    QTest::newRow("CR CR LF from converted output") << "a\r\r\n" << "a\r\n\r\n" << "a\r\r\r\n" << "a\n" << "a\n"
                                                    << "a\n\n" << QByteArray("a\r\r\n");
    QTest::newRow("empty lines kept") << "\r\n\n\rx" << "\r\n\r\n\r\nx\r\n" << "\r\r\n\r\n\rx" << "\n\n\rx"
                                      << "\n\nx" << "\n\n\nx" << QByteArray("\r\n\r\n\rx");
}

void LineEndsTest::converts()
{
    QFETCH(QString, text);
    QTEST(withCrLfLines(text), "crLfLines");
    QTEST(NormalizeOutput(text), "fromLf");
    QTEST(toLfLineEnds(text), "toLf");
    QTEST(forPane(text), "pane");
    QTEST(pastedLines(text), "pasted");
    QTEST(withCrLfBeforeEveryLf(text.toLatin1()), "wire");
    // Given a character at a time, a stream ends up with the same text.
    LfLineEndStream stream;
    QString streamed;
    for (const QChar c : text)
        streamed += stream.convert(c);
    QTEST(streamed + stream.finish(), "toLf");
    // A document's separators, which no file or clipboard may hold.
    QCOMPARE(separatorsToCrLf(QStringLiteral("a\u2029b\u2028c") + text), QStringLiteral("a\r\nb\r\nc") + text);
}

QTEST_GUILESS_MAIN(LineEndsTest)
#include "tst_line_ends.moc"
