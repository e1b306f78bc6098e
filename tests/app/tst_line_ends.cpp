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

    QTest::newRow("empty") << "" << "" << "" << "";
    QTest::newRow("no line end after the last line") << "a\r\nb" << "a\r\nb\r\n" << "a\r\r\nb" << "a\nb";
    QTest::newRow("LF only") << "a\nb\n" << "a\r\nb\r\n" << "a\r\nb\r\n" << "a\nb\n";
    QTest::newRow("lone CR") << "a\rb\r" << "a\r\nb\r\n" << "a\rb\r" << "a\rb\r";
    QTest::newRow("CR CR LF from converted output") << "a\r\r\n" << "a\r\n\r\n" << "a\r\r\r\n" << "a\n";
    QTest::newRow("empty lines kept") << "\r\n\n\rx" << "\r\n\r\n\r\nx\r\n" << "\r\r\n\r\n\rx" << "\n\n\rx";
}

void LineEndsTest::converts()
{
    QFETCH(QString, text);
    QTEST(withCrLfLines(text), "crLfLines");
    QTEST(lfToCrLf(text), "fromLf");
    QTEST(toLfLineEnds(text), "toLf");
}

QTEST_GUILESS_MAIN(LineEndsTest)
#include "tst_line_ends.moc"
