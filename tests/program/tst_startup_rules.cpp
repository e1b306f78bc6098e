#include "program/headless.h"
#include "app/settings_folder.h"
#include "app/wait_seconds.h"
#include "app/window_placement.h"
#include "file_bytes.h"
#include "test_paths.h"

#include <QProcessEnvironment>
#include <QTest>
#include <map>

namespace {

class MapPlacementStore : public PlacementStore
{
public:
    std::optional<QString> value(const QString &key) const override
    {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<QString>(found->second);
    }
    void setValue(const QString &key, const QString &value) override { values[key] = value; }
    std::map<QString, QString> values;
};

} // namespace

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

    // An installed copy that the user may not write would refuse every save;
    // every other copy keeps Tovra.ini beside itself, written or not.
    void settingsFolderOfTheCopy_data()
    {
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("userFolder");
#ifdef Q_OS_WIN
        const bool installedReadOnlyMovesOut = false;
#else
        const bool installedReadOnlyMovesOut = true;
#endif
        QTest::newRow("built from source") << "/home/u/quenvel/out" << true << false;
        QTest::newRow("built from source, read-only: still its own") << "/home/u/quenvel/out" << false << false;
        QTest::newRow("installed, writable (root)") << "/usr/lib/quenvel" << true << false;
        QTest::newRow("installed, read-only") << "/usr/lib/quenvel" << false << installedReadOnlyMovesOut;
        QTest::newRow("installed under another prefix, read-only") << "/usr/local/lib/quenvel/" << false
                                                                   << installedReadOnlyMovesOut;
        QTest::newRow("a folder only named like it") << "/srv/mylib/quenvel" << false << false;
        QTest::newRow("read-only Program Files") << "C:/Program Files/Quenvel" << false << false;
    }

    void settingsFolderOfTheCopy()
    {
        QFETCH(QString, programDir);
        QFETCH(bool, writable);
        QFETCH(bool, userFolder);
        const QString user = QStringLiteral("/home/u/.config/Quenvel");
        QCOMPARE(settingsFolder(programDir, writable, user), userFolder ? user : programDir);
    }

    // Without a screen Qt aborts with a core dump: the program answers first.
    void windowNeedsADisplay_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::newRow("nothing") << QStringList{} << QStringList{} << false;
        QTest::newRow("empty DISPLAY is none") << QStringList{"DISPLAY="} << QStringList{} << false;
        QTest::newRow("X display") << QStringList{"DISPLAY=:0"} << QStringList{} << true;
        QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QStringList{} << true;
        QTest::newRow("platform in the environment") << QStringList{"QT_QPA_PLATFORM=offscreen"} << QStringList{} << true;
        QTest::newRow("platform on the command line") << QStringList{} << QStringList{"-platform", "offscreen"} << true;
    }

    void windowNeedsADisplay()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QProcessEnvironment env;
        for (const QString &pair : environment)
            env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        QTEST(hasDisplay(QStringList{QStringLiteral("quenvel")} + arguments, env), "display");
    }

    // scripts/run.sh says it before a build that would end the same way.
    void runScriptSaysWhatTheProgramSays()
    {
        const QString script = QString::fromUtf8(readBytes(QStringLiteral(QUENVEL_SOURCE_DIR "/scripts/run.sh")));
        QVERIFY(script.contains(noDisplayMessage()));
        for (const char *option : {"--build", "--run", "--upload", "--help"})
            QVERIFY(noDisplayMessage().contains(QLatin1String(option)));
    }

    void placementStaysOnAScreen_data()
    {
        QTest::addColumn<QString>("left");  // stored, in twips
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("leftRead");
        QTest::addColumn<QString>("topRead");
        QTest::newRow("on the primary screen: as stored") << "3000" << "1500" << "3000" << "1500";
        QTest::newRow("on the second screen: as stored") << "30000" << "1500" << "30000" << "1500";
        QTest::newRow("partly off, title bar in reach: as stored") << "-3000" << "-100" << "-3000" << "-100";
        // Moved: the default offset (1000 twips, 67 pixels) from the primary screen's corner.
        QTest::newRow("on a screen that is gone") << "60000" << "1500" << "1005" << "1005";
        QTest::newRow("above every screen") << "3000" << "-9000" << "1005" << "1005";
        QTest::newRow("left of every screen") << "-9000" << "1500" << "1005" << "1005";
    }

    void placementStaysOnAScreen()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        MapPlacementStore stored;
        stored.setValue(QStringLiteral("MainLeft"), left);
        stored.setValue(QStringLiteral("MainTop"), top);
        stored.setValue(QStringLiteral("MainWidth"), QStringLiteral("7000"));
        // 1920 by 1080 with a 40-pixel task bar, and 1280 by 1024 to its right.
        const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
        OnScreenPlacementStore placement(stored, screens, QSize(439, 566));
        QTEST(*placement.value(QStringLiteral("MainLeft")), "leftRead");
        QTEST(*placement.value(QStringLiteral("MainTop")), "topRead");
        QCOMPARE(placement.value(QStringLiteral("MainWidth")), stored.value(QStringLiteral("MainWidth")));
        placement.setValue(QStringLiteral("MainLeft"), QStringLiteral("15"));
        QCOMPARE(*stored.value(QStringLiteral("MainLeft")), QStringLiteral("15"));
    }
};

QTEST_GUILESS_MAIN(StartupRulesTest)
#include "tst_startup_rules.moc"
