#include "app/caption_rule.h"
#include "app/captions.h"
#include "app/wait_seconds.h"
#include "app/window_placement.h"

#include <QHash>
#include <QTest>

namespace {

class MemoryPlacementStore : public PlacementStore
{
public:
    QHash<QString, QString> values;
    QStringList writes;
    std::optional<QString> value(const QString &key) const override
    {
        const auto it = values.constFind(key);
        return it == values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    void setValue(const QString &key, const QString &value) override
    {
        values[key] = value;
        writes << key;
    }
};

} // namespace

class StartupRulesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void captionsByLanguage_data();
    void captionsByLanguage();
    void languageFromLocale_data();
    void languageFromLocale();
    void leadingNumbers_data();
    void leadingNumbers();
    void waitOnTheClock_data();
    void waitOnTheClock();
    void layoutRule_data();
    void layoutRule();
    void placementValues_data();
    void placementValues();
    void placementIsWrittenInOrderAsNumberText();
};

void StartupRulesTest::captionsByLanguage_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("japanese");
    QTest::addColumn<QString>("english");  // "<none>" when the id has no text there
    const QList<std::tuple<int, const char *, const char *>> rows = {
        {1000, "ファイル(&F)", "File"}, {1001, "プロジェクトの新規作成(&N)", "New"},
        {1002, "プロジェクトを開く(&O)...", "Open"}, {1004, "保存(&S)", "Save"},
        {1007, "プロパティ(&I)", "Properties"}, {1012, "終了(&X)", "Exit"}, {1013, "編集(&E)", "Edit"},
        {1015, "切り取り(&T)", "Cut"}, {1016, "コピー(&C)", "Copy"}, {1017, "貼り付け(&P)", "Past"},
        {1019, "ヘルプ(&H)", "Help"}, {1020, "目次(&C)", "Index"}, {1022, "バージョン情報(&A)", "Version"},
        {1052, "ﾊﾞｰｼﾞｮﾝ情報 Quenvel", "<none>"}, {1053, "ｼｽﾃﾑ情報(&S)...", "<none>"},
        {1054, "OK", "<none>"}, {1056, "ver 1.0", "ver 1.0"}, {1057, "Quenvel", "Quenvel"},
        {1058, "iアプリを楽しく作ろう!", "iアプリを楽しく作ろう!"}, {1071, "プロジェクトを開く", "プロジェクトを開く"},
    };
    for (const auto &[id, japanese, english] : rows)
        QTest::addRow("%d", id) << id << QString::fromUtf8(japanese) << QString::fromUtf8(english);
    QTest::newRow("font name id is in no table") << 20 << "<none>" << "<none>";
}

void StartupRulesTest::captionsByLanguage()
{
    QFETCH(int, id);
    QFETCH(QString, japanese);
    QFETCH(QString, english);
    QCOMPARE(captionText(id, UiLanguage::Japanese).value_or(QStringLiteral("<none>")), japanese);
    QCOMPARE(captionText(id, UiLanguage::English).value_or(QStringLiteral("<none>")), english);
}

void StartupRulesTest::languageFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("english");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << true;
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << true;
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << false;
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << false;
    QTest::newRow("C") << QLocale::c() << false;
}

void StartupRulesTest::languageFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, english);
    QCOMPARE(uiLanguageFor(locale) == UiLanguage::English, english);
}

void StartupRulesTest::leadingNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("plain") << "1052" << 1052;
    QTest::newRow("followed by text") << "1053 button" << 1053;
    QTest::newRow("none") << "OK" << 0;
    QTest::newRow("empty") << "" << 0;
}

void StartupRulesTest::leadingNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(leadingNumber(text), number);
}

void StartupRulesTest::waitOnTheClock_data()
{
    QTest::addColumn<double>("begin");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QList<double>>("clocks");  // the clock at each look
    QTest::addColumn<int>("looksUntilOver");    // 1-based; 0 for never
    QTest::newRow("one second") << 100.2 << 1 << QList<double>{100.5, 100.9, 101.0} << 3;
    QTest::newRow("start rounded up") << 100.6 << 1 << QList<double>{101.5, 101.99, 102.0} << 3;
    QTest::newRow("half goes to the even second") << 100.5 << 1 << QList<double>{100.9, 101.0} << 2;
    QTest::newRow("odd half goes up") << 101.5 << 1 << QList<double>{102.5, 103.0} << 2;
    QTest::newRow("across midnight") << 86399.2 << 1 << QList<double>{86399.5, 0.1} << 2;
    QTest::newRow("midnight within a longer wait") << 86399.0 << 2 << QList<double>{0.2, 0.9, 1.0} << 3;
}

void StartupRulesTest::waitOnTheClock()
{
    QFETCH(double, begin);
    QFETCH(int, seconds);
    QFETCH(QList<double>, clocks);
    QFETCH(int, looksUntilOver);
    ClockWait wait = ClockWait::begin(begin, seconds);
    int over = 0;
    for (int i = 0; i < clocks.size() && over == 0; ++i) {
        if (wait.isOver(clocks[i]))
            over = i + 1;
    }
    QCOMPARE(over, looksUntilOver);
}

void StartupRulesTest::layoutRule_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<QList<float>>("expected");  // window w, h, source w, h, log w, h, top
    QTest::newRow("10000 x 12000") << 10000.0 << 12000.0
                                   << QList<float>{10000, 12000, 9900, 7800, 9900, 2900, 8400};
    QTest::newRow("minimum") << 6585.0 << 8490.0 << QList<float>{6585, 8490, 6485, 5343, 6485, 1847, 5943};
    QTest::newRow("too small snaps back") << 3000.0 << 2000.0
                                          << QList<float>{6585, 8490, 6485, 5343, 6485, 1847, 5943};
    QTest::newRow("only too narrow") << 5000.0 << 12000.0 << QList<float>{6585, 12000, 6485, 7800, 6485, 2900, 8400};
}

void StartupRulesTest::layoutRule()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(QList<float>, expected);
    const PaneLayout l = layoutForWindow(width, height);
    QCOMPARE((QList<float>{l.windowWidth, l.windowHeight, l.sourceWidth, l.sourceHeight, l.logWidth, l.logHeight,
                           l.logTop}),
             expected);
}

void StartupRulesTest::placementValues_data()
{
    QTest::addColumn<QString>("stored");  // "<none>" for a missing value
    QTest::addColumn<float>("expected");
    QTest::newRow("missing") << "<none>" << 1000.0f;
    QTest::newRow("whole number") << "3000" << 3000.0f;
    QTest::newRow("negative") << "-60" << -60.0f;
    QTest::newRow("fraction") << "1234.5" << 1234.5f;
    QTest::newRow("not a number") << "left" << 1000.0f;
    QTest::newRow("empty") << "" << 1000.0f;
}

void StartupRulesTest::placementValues()
{
    QFETCH(QString, stored);
    QFETCH(float, expected);
    MemoryPlacementStore store;
    if (stored != QLatin1String("<none>"))
        store.values[QStringLiteral("MainLeft")] = stored;
    QCOMPARE(readPlacementValue(store, QStringLiteral("MainLeft")), expected);
}

void StartupRulesTest::placementIsWrittenInOrderAsNumberText()
{
    MemoryPlacementStore store;
    writePlacement(store, {-60, 1000, 6585, 8490.5f});
    QCOMPARE(store.writes, (QStringList{"MainLeft", "MainTop", "MainWidth", "MainHeight"}));
    QCOMPARE(store.values.value(QStringLiteral("MainLeft")), QStringLiteral("-60"));
    QCOMPARE(store.values.value(QStringLiteral("MainWidth")), QStringLiteral("6585"));
    QCOMPARE(store.values.value(QStringLiteral("MainHeight")), QStringLiteral("8490.5"));
}

QTEST_GUILESS_MAIN(StartupRulesTest)
#include "tst_startup_rules.moc"
