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

QByteArray utf16Bytes(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

// A REG_SZ as the registry stores it: UTF-16LE with its terminating NUL.
RegistryValue stringValue(const QString &text)
{
    return {RegistryType::String, utf16Bytes(text + QChar(u'\0'))};
}

RegistryValue unterminatedString(const QString &text)
{
    return {RegistryType::String, utf16Bytes(text)};
}

RegistryValue dwordValue(quint32 value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
    return {RegistryType::Dword, bytes};
}

// Values under HKEY_LOCAL_MACHINE; a value larger than the caller's buffer
// fails as the real query does.
class FakeRegistry final : public Registry
{
public:
    void set(const QString &key, const QString &name, const RegistryValue &value)
    {
        m_values.insert(key + QLatin1Char('|') + name, value);
    }

    std::optional<RegistryValue> read(RegistryRoot root, const QString &keyName,
                                      const QString &valueName,
                                      qsizetype bufferBytes) const override
    {
        if (root != RegistryRoot::LocalMachine)
            return std::nullopt;
        const auto it = m_values.constFind(keyName + QLatin1Char('|') + valueName);
        if (it == m_values.constEnd() || it->data.size() > bufferBytes)
            return std::nullopt;
        return *it;
    }

private:
    QMap<QString, RegistryValue> m_values;
};

class FakeHost final : public SysInfoHost
{
public:
    QStringList existing;
    QStringList startable;
    mutable QStringList probed;
    QStringList started;
    QStringList messages;

    bool fileExists(const QString &path) const override
    {
        probed << path;
        return existing.contains(path);
    }
    bool startProgram(const QString &path) override
    {
        if (!startable.contains(path))
            return false;
        started << path;
        return true;
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
    void posixRegistryReadsNothing();
};

void SysInfoTest::startSysInfo_data()
{
    QTest::addColumn<QVariant>("toolPath");      // RegistryValue or nothing
    QTest::addColumn<QVariant>("toolLocation");  // RegistryValue or nothing
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("startable");
    QTest::addColumn<QStringList>("expectedProbes");
    QTest::addColumn<QStringList>("expectedStarts");
    QTest::addColumn<bool>("expectMessage");

    const QString tool = QStringLiteral("C:\\Program Files\\MSInfo\\msinfo32.exe");
    const QString folder = QStringLiteral("C:\\Common\\MSInfo");
    const QString located = folder + QStringLiteral("\\MSINFO32.EXE");
    const QVariant none;
    const auto v = [](const RegistryValue &value) { return QVariant::fromValue(value); };

    QTest::newRow("first value starts the tool without a file test")
        << v(stringValue(tool)) << v(stringValue(folder)) << QStringList{} << QStringList{tool}
        << QStringList{} << QStringList{tool} << false;
    QTest::newRow("first value naming nothing startable gives the message")
        << v(stringValue(tool)) << v(stringValue(folder)) << QStringList{located}
        << QStringList{located} << QStringList{} << QStringList{} << true;
    QTest::newRow("second value with MSINFO32.EXE there")
        << none << v(stringValue(folder)) << QStringList{located} << QStringList{located}
        << QStringList{located} << QStringList{located} << false;
    QTest::newRow("second value without MSINFO32.EXE starts nothing")
        << none << v(stringValue(folder)) << QStringList{} << QStringList{located}
        << QStringList{located} << QStringList{} << true;
    QTest::newRow("no value at all")
        << none << none << QStringList{} << QStringList{} << QStringList{} << QStringList{}
        << true;
    QTest::newRow("first value filling the buffer without NUL ends the search")
        << v(unterminatedString(QString(keyValueBufferChars, u'x'))) << v(stringValue(folder))
        << QStringList{located} << QStringList{located} << QStringList{} << QStringList{}
        << true;
    QTest::newRow("first value longer than the buffer falls to the second")
        << v(stringValue(QString(keyValueBufferChars, u'x'))) << v(stringValue(folder))
        << QStringList{located} << QStringList{located} << QStringList{located}
        << QStringList{located} << false;
    QTest::newRow("first value of another type gives an empty path")
        << v(RegistryValue{RegistryType::Binary, QByteArray("\x01\x02", 2)})
        << v(stringValue(folder)) << QStringList{located} << QStringList{located, QString()}
        << QStringList{} << QStringList{} << true;
}

void SysInfoTest::startSysInfo()
{
    QFETCH(QVariant, toolPath);
    QFETCH(QVariant, toolLocation);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, startable);
    QFETCH(QStringList, expectedProbes);
    QFETCH(QStringList, expectedStarts);
    QFETCH(bool, expectMessage);

    FakeRegistry registry;
    if (toolPath.isValid())
        registry.set(toolKey, QStringLiteral("PATH"), toolPath.value<RegistryValue>());
    if (toolLocation.isValid())
        registry.set(locationKey, QStringLiteral("MSINFO"), toolLocation.value<RegistryValue>());
    FakeHost host;
    host.existing = existing;
    host.startable = startable;

    StartSysInfo(registry, host);

    QCOMPARE(host.probed, expectedProbes);
    QCOMPARE(host.started, expectedStarts);
    QCOMPARE(host.messages, expectMessage ? QStringList{unavailable} : QStringList{});
}

void SysInfoTest::getKeyValue_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("expectedResult");
    QTest::addColumn<QString>("expectedValue");

    const auto v = [](const RegistryValue &value) { return QVariant::fromValue(value); };
    const QString longest(keyValueBufferChars - 1, u'a');

    QTest::newRow("string") << v(stringValue(QStringLiteral("C:\\ツール"))) << true
                            << QStringLiteral("C:\\ツール");
    QTest::newRow("string cut at an inner NUL")
        << v(stringValue(QStringLiteral("abc") + QChar(u'\0') + QStringLiteral("def"))) << true
        << QStringLiteral("abc");
    QTest::newRow("string without NUL shorter than the buffer")
        << v(unterminatedString(QStringLiteral("abc"))) << true << QStringLiteral("abc");
    QTest::newRow("longest string that fits") << v(stringValue(longest)) << true << longest;
    QTest::newRow("string filling the buffer without NUL")
        << v(unterminatedString(QString(keyValueBufferChars, u'a'))) << false
        << QStringLiteral("before");
    QTest::newRow("string longer than the buffer")
        << v(stringValue(QString(keyValueBufferChars, u'a'))) << false << QString();
    QTest::newRow("dword bytes last to first without leading zeros")
        << v(dwordValue(0x00000102)) << true << QStringLiteral("&h0012");
    QTest::newRow("dword with every byte set")
        << v(dwordValue(0x1234ABCD)) << true << QStringLiteral("&h1234ABCD");
    QTest::newRow("other type leaves the value alone")
        << v(RegistryValue{RegistryType::Binary, QByteArray("\x05", 1)}) << true
        << QStringLiteral("before");
    QTest::newRow("missing value") << QVariant() << false << QString();
}

void SysInfoTest::getKeyValue()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, expectedResult);
    QFETCH(QString, expectedValue);

    FakeRegistry registry;
    if (stored.isValid())
        registry.set(toolKey, QStringLiteral("PATH"), stored.value<RegistryValue>());
    QString value = QStringLiteral("before");
    QCOMPARE(GetKeyValue(registry, RegistryRoot::LocalMachine, toolKey, QStringLiteral("PATH"),
                         value),
             expectedResult);
    QCOMPARE(value, expectedValue);
}

void SysInfoTest::posixRegistryReadsNothing()
{
#ifdef Q_OS_WIN
    QSKIP("the real registry is read on Windows");
#else
    const auto registry = createSystemRegistry();
    QVERIFY(!registry->read(RegistryRoot::LocalMachine, toolKey, QStringLiteral("PATH"), 2048));
#endif
}

QTEST_GUILESS_MAIN(SysInfoTest)
#include "tst_sys_info.moc"
