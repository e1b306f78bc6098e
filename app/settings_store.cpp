#include "app/settings_store.h"

#include "app/profile_file.h"
#include "app/toolchain.h"

#include <QDir>
#include <limits>

namespace {

const QString kGlobal = QStringLiteral("Global");
// The program has no host of its own to offer; a reserved example name
// shows the user where an address belongs.
const QString kPlaceholderHost = QStringLiteral("www.example.com");

struct KeyWrite {
    QString section;
    QString key;
    QString value;
    QString loadedValue;
};

QList<KeyWrite> keyWrites(const AppSettings &s, const AppSettings &loaded)
{
    // The loaded version is always that of the current project (see
    // applyOpenedProject).
    const QString project = s.lastProject;
    return {
        {project, QStringLiteral("Name"), project, project},
        {project, QStringLiteral("major"), QString::number(s.major), QString::number(loaded.major)},
        {project, QStringLiteral("minor"), QString::number(s.minor), QString::number(loaded.minor)},
        {kGlobal, QStringLiteral("WebUrl"), s.WebUrl, loaded.WebUrl},
        {kGlobal, QStringLiteral("FtpUrl"), s.FtpUrl, loaded.FtpUrl},
        {kGlobal, QStringLiteral("FtpPath"), s.FtpPath, loaded.FtpPath},
        {kGlobal, QStringLiteral("FtpId"), s.FtpId, loaded.FtpId},
        {kGlobal, QStringLiteral("FtpPassword"), s.FtpPassword, loaded.FtpPassword},
        {kGlobal, QStringLiteral("JAVA_PATH"), s.JAVA_PATH, loaded.JAVA_PATH},
        {kGlobal, QStringLiteral("DOJA_PATH"), s.DOJA_PATH, loaded.DOJA_PATH},
        {kGlobal, QStringLiteral("lastProject"), project, loaded.lastProject},
    };
}

} // namespace

const QString kVersionAtMaximum = QStringLiteral("バージョン番号がこれ以上上げられません。Tovra.iniのminorを確認してください。");

SettingsStore::SettingsStore(const QString &appDir, const PathStyle &style)
    : m_appDir(appDir)
    , m_style(style)
{
}

QString SettingsStore::settingsFilePath() const
{
    return m_appDir + m_style.separator + QStringLiteral("Tovra.ini");
}

QString SettingsStore::ReadIniString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return ProfileDocument::load(settingsFilePath()).readString(section, key, defaultValue);
}

qint32 SettingsStore::ReadIniInt(const QString &section, const QString &key, qint32 defaultValue) const
{
    return ProfileDocument::load(settingsFilePath()).readInt(section, key, defaultValue);
}

Result<> SettingsStore::WriteIniString(const QString &section, const QString &key, const QString &value)
{
    return updateProfileFile(
        settingsFilePath(),
        [&](ProfileDocument &doc) {
            return doc.setValue(section, key, value)
                       ? Result<>::success()
                       : Result<>::failure(QDir::toNativeSeparators(settingsFilePath()) + QStringLiteral(": ") + key
                                         + QStringLiteral("の値はShift_JIS(Windows-31J)で表せないため、書きこめません。"));
        },
        m_lockWait);
}

Result<> SettingsStore::LoadSettings()
{
    // One read of the file serves every key; the values are those that
    // one read per key would give.
    const Result<ProfileDocument> read = ProfileDocument::loadForUpdate(settingsFilePath());
    if (!read)
        return Result<>::failure(read.error());
    const ProfileDocument &doc = *read;
    AppSettings s = m_settings;
    s.lastProject = doc.readString(kGlobal, QStringLiteral("lastProject"), QStringLiteral("Test"));
    s.WebUrl = doc.readString(kGlobal, QStringLiteral("WebUrl"), kPlaceholderHost);
    s.FtpUrl = doc.readString(kGlobal, QStringLiteral("FtpUrl"), kPlaceholderHost);
    s.FtpId = doc.readString(kGlobal, QStringLiteral("FtpId"), QStringLiteral("foo"));
    s.FtpPassword = doc.readString(kGlobal, QStringLiteral("FtpPassword"), QStringLiteral("zkw"));
    s.FtpPath = doc.readString(kGlobal, QStringLiteral("FtpPath"), QString());

    const QString probed = FindJdk(m_style);
    s.JAVA_PATH = doc.readString(kGlobal, QStringLiteral("JAVA_PATH"), probed);
    if (s.JAVA_PATH.isEmpty() && m_showMessage)
        m_showMessage(noJdkMessage(QDir::toNativeSeparators(settingsFilePath())));
    s.DOJA_PATH = doc.readString(kGlobal, QStringLiteral("DOJA_PATH"), m_style.defaultDojaPath);
    s.major = doc.readInt(s.lastProject, QStringLiteral("major"), 1);
    s.minor = doc.readInt(s.lastProject, QStringLiteral("minor"), 0);
    const QString classPath = defaultClassPath(s.DOJA_PATH, m_style);
    s.CLASSPATH = doc.readString(kGlobal, QStringLiteral("CLASSPATH"), classPath);
    s.BOOTCLASSPATH = doc.readString(kGlobal, QStringLiteral("BOOTCLASSPATH"), classPath);
    m_settings = s;
    m_loaded = s;
    applyOpenedProject(doc);
    deriveToolchainPaths(m_settings, m_style);
    return Result<>::success();
}

void SettingsStore::applyOpenedProject(const ProfileDocument &doc)
{
    if (m_openedProject.isEmpty())
        return;
    m_settings.lastProject = m_openedProject;
    m_settings.major = doc.readInt(m_openedProject, QStringLiteral("major"), 1);
    m_settings.minor = doc.readInt(m_openedProject, QStringLiteral("minor"), 0);
    m_loaded.major = m_settings.major;
    m_loaded.minor = m_settings.minor;
}

Result<> SettingsStore::writeSettings(const std::function<Result<>(ProfileDocument &)> &before)
{
    QStringList lost;
    const Result<> written = updateProfileFile(settingsFilePath(), [&](ProfileDocument &doc) {
        if (before) {
            if (const Result<> ready = before(doc); !ready)
                return ready;
        }
        for (const KeyWrite &write : keyWrites(m_settings, m_loaded)) {
            const bool missing = !doc.value(write.section, write.key).has_value();
            if (!missing && write.value == write.loadedValue)
                continue;
            // Each write stands on its own, as with one profile call per
            // key: a value the code page cannot hold is lost alone.
            if (!doc.setValue(write.section, write.key, write.value))
                lost << write.key;
        }
        return Result<>::success();
    }, m_lockWait);
    const QString failed = settingsFilePath() + QStringLiteral("の保存に失敗しました。\r\n");
    if (!written)
        return Result<>::failure(failed + written.error());
    m_loaded = m_settings;
    if (!lost.isEmpty())
        return Result<>::failure(failed + QStringLiteral("Shift_JIS(Windows-31J)で表せない値は書きこめません: ")
                               + lost.join(QStringLiteral(", ")));
    return Result<>::success();
}

Result<> SettingsStore::SaveSettings()
{
    return writeSettings(nullptr);
}

Result<> SettingsStore::RaiseMinorVersion()
{
    const qint32 before = m_settings.minor;
    const Result<> raised = writeSettings([this](ProfileDocument &doc) {
        const qint32 inFile = doc.readInt(m_settings.lastProject, QStringLiteral("minor"), 0);
        const qint32 base = qMax(m_settings.minor, inFile);
        // Wrapping round would announce an older version to the phone.
        if (base == std::numeric_limits<qint32>::max())
            return Result<>::failure(kVersionAtMaximum);
        m_settings.minor = base + 1;
        return Result<>::success();
    });
    if (!raised)
        m_settings.minor = before;
    return raised;
}

Result<> SettingsStore::adoptProject(const QString &name)
{
    const QString before = m_openedProject;
    m_openedProject = name;
    const Result<> loaded = LoadSettings();
    if (!loaded)
        m_openedProject = before;
    return loaded;
}
