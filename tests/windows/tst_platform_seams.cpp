#include "app/path_style.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "ui/registry.h"
#include "ui/sys_info.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTest>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The seams that are the system's own on Windows: the registry that the
// about box reads, the placement store, the spelling of AppDir.
namespace {

const QString kTestKey = QStringLiteral("Software\\QuenvelTest-%1").arg(GetCurrentProcessId());

QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

bool setValue(const QString &name, DWORD type, const QByteArray &data)
{
    return RegSetKeyValueW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(kTestKey.utf16()),
                           reinterpret_cast<LPCWSTR>(name.utf16()), type, data.constData(), DWORD(data.size()))
           == ERROR_SUCCESS;
}

std::optional<QString> placementInRegistry(const QString &name)
{
    wchar_t text[256];
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quenvel\\Quenvel\\Settings", reinterpret_cast<LPCWSTR>(name.utf16()),
                     RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return QString::fromWCharArray(text);
}

} // namespace

class PlatformSeamsTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanupTestCase() { RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(kTestKey.utf16())); }

    void registryReadsWhatWasStored_data()
    {
        QTest::addColumn<QString>("name");       // under the test's key; empty: a key that is not there
        QTest::addColumn<int>("type");           // as stored; 0: nothing stored
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("read");           // KeyValueRead
        QTest::addColumn<QString>("text");       // what GetKeyValue gives
        const QByteArray tools = utf16(QStringLiteral("C:\\Program Files\\ツール\\MSINFO32.EXE")) + QByteArray(2, '\0');
        QTest::newRow("REG_SZ up to its NUL") << "PATH" << int(REG_SZ) << tools << int(KeyValueRead::Read)
                                              << QStringLiteral("C:\\Program Files\\ツール\\MSINFO32.EXE");
        QTest::newRow("REG_DWORD from the last byte to the first") << "Count" << int(REG_DWORD)
                                                                   << QByteArray("\x78\x56\x34\x02", 4)
                                                                   << int(KeyValueRead::Read) << "&h2345678";
        QTest::newRow("a value longer than the buffer is not read")
            << "Long" << int(REG_SZ) << utf16(QString(keyValueBufferChars + 1, QLatin1Char('x'))) << int(KeyValueRead::NotRead)
            << "";
        QTest::newRow("a missing value is not read") << "Absent" << 0 << QByteArray() << int(KeyValueRead::NotRead) << "";
        QTest::newRow("a missing key is not read") << "" << 0 << QByteArray() << int(KeyValueRead::NotRead) << "";
    }

    void registryReadsWhatWasStored()
    {
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        if (type != 0)
            QVERIFY(setValue(name, DWORD(type), data));
        const std::unique_ptr<Registry> registry = createSystemRegistry();
        const QString key = name.isEmpty() ? kTestKey + QStringLiteral("\\Absent") : kTestKey;
        QString text = QStringLiteral("before");
        QTEST(int(readKeyValue(*registry, RegistryRoot::CurrentUser, key, name, text)), "read");
        QTEST(text, "text");
    }

    // HKEY_LOCAL_MACHINE opens for reading, for a user who may not write there.
    void localMachineIsRead()
    {
        QString version;
        QVERIFY(GetKeyValue(*createSystemRegistry(), RegistryRoot::LocalMachine,
                            QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion"), QStringLiteral("CurrentVersion"),
                            version));
        QVERIFY2(version.contains(QLatin1Char('.')), qPrintable(version));
    }

    // QSettings' native store on Windows is the registry, under the program's own key.
    void placementGoesToTheRegistry()
    {
        SystemPlacementStore store;
        const QStringList keys = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"), QStringLiteral("MainWidth"),
                                  QStringLiteral("MainHeight")};
        QList<std::optional<QString>> before;
        for (const QString &key : keys)
            before << store.value(key);
        // The user's own placement comes back, whatever the test finds.
        const auto restore = qScopeGuard([&] {
            for (qsizetype i = 0; i < keys.size(); ++i) {
                if (before[i])
                    store.setValue(keys[i], *before[i]);
                else
                    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Quenvel\\Quenvel\\Settings",
                                       reinterpret_cast<LPCWSTR>(keys[i].utf16()));
            }
        });
        writePlacement(store, {1234.5f, -20, 7000, 9000});
        QCOMPARE(placementInRegistry(QStringLiteral("MainLeft")), QStringLiteral("1234.5"));
        QCOMPARE(placementInRegistry(QStringLiteral("MainTop")), QStringLiteral("-20"));
        QCOMPARE(readPlacementValue(store, QStringLiteral("MainLeft")), 1234.5f);
    }

    // The program's folder, as main gives it to the store, in backslashes.
    void appDirIsSpelledTheWindowsWay()
    {
        const PathStyle style = PathStyle::native();
        QCOMPARE(style.separator, QLatin1Char('\\'));
        const SettingsStore store(style.spelled(QCoreApplication::applicationDirPath()), style);
        wchar_t program[MAX_PATH];
        const QString expected = QString::fromWCharArray(program, int(GetModuleFileNameW(nullptr, program, MAX_PATH)));
        QCOMPARE(store.settingsFilePath(), expected.left(expected.lastIndexOf(QLatin1Char('\\')) + 1) + QStringLiteral("Tovra.ini"));
    }
};

QTEST_GUILESS_MAIN(PlatformSeamsTest)
#include "tst_platform_seams.moc"
