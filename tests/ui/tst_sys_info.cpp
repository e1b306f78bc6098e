#include "ui/registry.h"
#include "ui/sys_info.h"

#include <QMap>
#include <QStringList>
#include <QTest>

Q_DECLARE_METATYPE(RegistryValue)

namespace {

const QString toolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString locationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString unavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

QVariant registryValue(quint32 type, const QByteArray &bytes)
{
    return QVariant::fromValue(RegistryValue{type, bytes});
}

// A REG_SZ as the registry stores it: UTF-16LE, with its NUL unless left off.
QVariant stringValue(const QString &text, bool terminated = true)
{
    QByteArray bytes;
    for (QChar c : terminated ? text + QChar(u'\0') : text)
        bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return registryValue(RegistryType::String, bytes);
}

// Values under HKEY_LOCAL_MACHINE, where a value larger than the caller's
// buffer fails as the real query does, and files that start when asked.
class FakeDesktop final : public Registry, public SysInfoHost
{
public:
    QMap<QString, QVariant> values;  // "key|name"
    QStringList existing;
    QStringList started;
    QStringList messages;

    std::optional<RegistryValue> read(RegistryRoot root, const QString &keyName, const QString &valueName,
                                      qsizetype bufferBytes) const override
    {
        const QVariant stored = values.value(keyName + QLatin1Char('|') + valueName);
        if (root != RegistryRoot::LocalMachine || !stored.isValid()
            || stored.value<RegistryValue>().data.size() > bufferBytes)
            return std::nullopt;
        return stored.value<RegistryValue>();
    }
    bool fileExists(const QString &path) const override { return existing.contains(path); }
    bool startProgram(const QString &path) override
    {
        if (existing.contains(path))
            started << path;
        return existing.contains(path);
    }
    void showMessage(const QString &text) override { messages << text; }
};

} // namespace

class SysInfoTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startSysInfo_data();
    void startSysInfo();
};

void SysInfoTest::startSysInfo_data()
{
    QTest::addColumn<QVariant>("toolPath");      // a RegistryValue or nothing
    QTest::addColumn<QVariant>("toolLocation");  // a RegistryValue or nothing
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("started");  // empty: the message instead

    const QString tool = QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe");
    const QVariant folder = stringValue(QStringLiteral("C:\\Common\\MSInfo"));
    const QString located = QStringLiteral("C:\\Common\\MSInfo\\MSINFO32.EXE");
    const QString full(keyValueBufferChars, u'x');
    const QString longest = full.chopped(1);
    const QString japanese = QStringLiteral("C:\\ツール.exe");
    const QVariant none;
    const QStringList nothing;

    QTest::newRow("first value starts the tool") << stringValue(tool) << folder << QStringList{tool} << tool;
    QTest::newRow("first value naming nothing startable gives the message")
        << stringValue(tool) << folder << QStringList{located} << QString();
    QTest::newRow("second value with MSINFO32.EXE there") << none << folder << QStringList{located} << located;
    QTest::newRow("second value without MSINFO32.EXE") << none << folder << nothing << QString();
    QTest::newRow("no value at all") << none << none << nothing << QString();
    QTest::newRow("first value filling the buffer without NUL ends the search")
        << stringValue(full, false) << folder << QStringList{full, located} << QString();
    QTest::newRow("first value longer than the buffer falls to the second")
        << stringValue(full) << folder << QStringList{located} << located;
    QTest::newRow("first value of another type gives an empty path, never started")
        << registryValue(RegistryType::Binary, "\x01\x02") << folder << QStringList{located, QString()} << QString();
    QTest::newRow("first value cut at an inner NUL")
        << stringValue(tool + QChar(u'\0') + QStringLiteral("junk")) << none << QStringList{tool} << tool;
    QTest::newRow("first value without NUL, shorter than the buffer")
        << stringValue(japanese, false) << none << QStringList{japanese} << japanese;
    QTest::newRow("longest first value that fits") << stringValue(longest) << none << QStringList{longest} << longest;
    QTest::newRow("dword: bytes last to first, no leading zeros, upper case")
        << registryValue(RegistryType::Dword, QByteArray("\x0d\xab\x04\x12", 4)) << none << QStringList{"&h124ABD"} << "&h124ABD";
}

void SysInfoTest::startSysInfo()
{
    QFETCH(QVariant, toolPath);
    QFETCH(QVariant, toolLocation);
    QFETCH(QStringList, existing);
    QFETCH(QString, started);
    FakeDesktop desktop;
    desktop.values = {{toolKey + QStringLiteral("|PATH"), toolPath}, {locationKey + QStringLiteral("|MSINFO"), toolLocation}};
    desktop.existing = existing;

    StartSysInfo(desktop, desktop);
    QCOMPARE(desktop.started, started.isEmpty() ? QStringList() : QStringList{started});
    QCOMPARE(desktop.messages, started.isEmpty() ? QStringList{unavailable} : QStringList());
}

QTEST_GUILESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
