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

    QTest::newRow("empty") << "" << "" << "" << "" << "" << "";
    QTest::newRow("no line end after the last line") << "a\r\nb" << "a\r\nb\r\n" << "a\r\r\nb" << "a\nb" << "a\nb" << "a\nb";
    QTest::newRow("LF only") << "a\nb\n" << "a\r\nb\r\n" << "a\r\nb\r\n" << "a\nb\n" << "a\nb\n" << "a\nb\n";
    QTest::newRow("lone CR") << "a\rb\r" << "a\r\nb\r\n" << "a\rb\r" << "a\rb\r" << "ab" << "a\nb\n";
    QTest::newRow("CR CR LF from converted output") << "a\r\r\n" << "a\r\n\r\n" << "a\r\r\r\n" << "a\n" << "a\n"
                                                    << "a\n\n";
    QTest::newRow("empty lines kept") << "\r\n\n\rx" << "\r\n\r\n\r\nx\r\n" << "\r\r\n\r\n\rx" << "\n\n\rx"
                                      << "\n\nx" << "\n\n\nx";
}

void LineEndsTest::converts()
{
    QFETCH(QString, text);
    QTEST(withCrLfLines(text), "crLfLines");
    QTEST(lfToCrLf(text), "fromLf");
    QTEST(toLfLineEnds(text), "toLf");
    QTEST(forPane(text), "pane");
    QTEST(pastedLines(text), "pasted");
    // A document's separators, which no file or clipboard may hold.
    QCOMPARE(separatorsToCrLf(QStringLiteral("a\u2029b\u2028c") + text), QStringLiteral("a\r\nb\r\nc") + text);
}

QTEST_GUILESS_MAIN(LineEndsTest)
#include "tst_line_ends.moc"
