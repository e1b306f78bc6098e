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
    mutable QStringList probed;
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
    bool fileExists(const QString &path) const override
    {
        probed << path;
        return existing.contains(path);
    }
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
    void getKeyValue_data();
    void getKeyValue();
};

void SysInfoTest::startSysInfo_data()
{
    QTest::addColumn<QVariant>("toolPath");      // a RegistryValue or nothing
    QTest::addColumn<QVariant>("toolLocation");  // a RegistryValue or nothing
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("probes");
    QTest::addColumn<QString>("started");  // empty: the message instead

    const QString tool = QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe");
    const QVariant folder = stringValue(QStringLiteral("C:\\Common\\MSInfo"));
    const QString located = QStringLiteral("C:\\Common\\MSInfo\\MSINFO32.EXE");
    const QString full(keyValueBufferChars, u'x');
    const QVariant none;
    const QStringList nothing;

    QTest::newRow("first value starts the tool without a file test")
        << stringValue(tool) << folder << QStringList{tool} << nothing << tool;
    QTest::newRow("first value naming nothing startable gives the message")
        << stringValue(tool) << folder << QStringList{located} << nothing << QString();
    QTest::newRow("second value with MSINFO32.EXE there")
        << none << folder << QStringList{located} << QStringList{located} << located;
    QTest::newRow("second value without MSINFO32.EXE") << none << folder << nothing << QStringList{located} << QString();
    QTest::newRow("no value at all") << none << none << nothing << nothing << QString();
    QTest::newRow("first value filling the buffer without NUL ends the search")
        << stringValue(full, false) << folder << QStringList{located} << nothing << QString();
    QTest::newRow("first value longer than the buffer falls to the second")
        << stringValue(full) << folder << QStringList{located} << QStringList{located} << located;
    QTest::newRow("first value of another type gives an empty path, never started")
        << registryValue(RegistryType::Binary, "\x01\x02") << folder << QStringList{located, QString()} << nothing << QString();
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
    QTEST(desktop.probed, "probes");
    QCOMPARE(desktop.started, started.isEmpty() ? QStringList() : QStringList{started});
    QCOMPARE(desktop.messages, started.isEmpty() ? QStringList{unavailable} : QStringList());
}

void SysInfoTest::getKeyValue_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("value");  // it held "before"

    const QString longest(keyValueBufferChars - 1, u'a');
    QTest::newRow("string") << stringValue(QStringLiteral("C:\\ツール")) << true << QStringLiteral("C:\\ツール");
    QTest::newRow("string cut at an inner NUL")
        << stringValue(QStringLiteral("abc") + QChar(u'\0') + QStringLiteral("def")) << true << QStringLiteral("abc");
    QTest::newRow("string without NUL shorter than the buffer")
        << stringValue(QStringLiteral("abc"), false) << true << QStringLiteral("abc");
    QTest::newRow("longest string that fits") << stringValue(longest) << true << longest;
    QTest::newRow("string filling the buffer without NUL")
        << stringValue(longest + u'a', false) << false << QStringLiteral("before");
    QTest::newRow("string longer than the buffer") << stringValue(longest + u'a') << false << QString();
    QTest::newRow("dword bytes last to first without leading zeros")
        << registryValue(RegistryType::Dword, QByteArray("\x02\x01\0\0", 4)) << true << QStringLiteral("&h0012");
    QTest::newRow("dword with every byte set")
        << registryValue(RegistryType::Dword, QByteArray("\xcd\xab\x34\x12", 4)) << true << QStringLiteral("&h1234ABCD");
    QTest::newRow("other type leaves the value alone") << registryValue(RegistryType::Binary, "\x05") << true << QStringLiteral("before");
    QTest::newRow("missing value") << QVariant() << false << QString();
}

void SysInfoTest::getKeyValue()
{
    QFETCH(QVariant, stored);
    FakeDesktop desktop;
    desktop.values.insert(toolKey + QStringLiteral("|PATH"), stored);
    QString value = QStringLiteral("before");
    QTEST(GetKeyValue(desktop, RegistryRoot::LocalMachine, toolKey, QStringLiteral("PATH"), value), "read");
    QTEST(value, "value");
}

QTEST_GUILESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
