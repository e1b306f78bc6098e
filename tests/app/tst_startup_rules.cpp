#include "app/wait_seconds.h"

#include <QTest>

class StartupRulesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waitOnTheClock_data()
    {
        QTest::addColumn<double>("begin");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QList<double>>("clocks");  // the clock at each look
        QTest::addColumn<int>("looksUntilOver");    // 1-based; 0 for never
        QTest::newRow("start rounded up") << 100.6 << 1 << QList<double>{101.5, 101.99, 102.0} << 3;
        QTest::newRow("half goes to the even second, not up") << 100.5 << 1 << QList<double>{100.9, 101.0} << 2;
        QTest::newRow("across midnight") << 86399.2 << 1 << QList<double>{86399.5, 0.1} << 2;
        QTest::newRow("midnight within a longer wait") << 86399.0 << 2 << QList<double>{0.2, 0.9, 1.0} << 3;
    }

    void waitOnTheClock()
    {
        QFETCH(double, begin);
        QFETCH(int, seconds);
        QFETCH(QList<double>, clocks);
        ClockWait wait = ClockWait::begin(begin, seconds);
        int over = 0;
        for (int i = 0; i < clocks.size() && over == 0; ++i)
            over = wait.isOver(clocks[i]) ? i + 1 : 0;
        QTEST(over, "looksUntilOver");
    }
};

QTEST_GUILESS_MAIN(StartupRulesTest)
#include "tst_startup_rules.moc"
