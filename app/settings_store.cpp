#include "app/settings_store.h"

#include "app/profile_file.h"
#include "app/toolchain.h"

#include <tuple>

namespace {

const QString kGlobal = QStringLiteral("Global");
// The program has no host of its own to offer; a reserved example name
// shows the user where an address belongs.
const QString kPlaceholderHost = QStringLiteral("www.example.com");

} // namespace

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

bool SettingsStore::WriteIniString(const QString &section, const QString &key, const QString &value)
{
    return updateProfileFile(settingsFilePath(), [&](ProfileDocument &doc) {
        return doc.setValue(section, key, value);
    });
}

void SettingsStore::LoadSettings()
{
    // One read of the file serves every key; the values are those that
    // one read per key would give.
    const ProfileDocument doc = ProfileDocument::load(settingsFilePath());
    AppSettings &s = m_settings;
    s.lastProject = doc.readString(kGlobal, QStringLiteral("lastProject"), QStringLiteral("Test"));
    s.WebUrl = doc.readString(kGlobal, QStringLiteral("WebUrl"), kPlaceholderHost);
    s.FtpUrl = doc.readString(kGlobal, QStringLiteral("FtpUrl"), kPlaceholderHost);
    s.FtpId = doc.readString(kGlobal, QStringLiteral("FtpId"), QStringLiteral("foo"));
    s.FtpPassword = doc.readString(kGlobal, QStringLiteral("FtpPassword"), QStringLiteral("zkw"));
    s.FtpPath = doc.readString(kGlobal, QStringLiteral("FtpPath"), QString());

    const QString probed = FindJdk(m_style);
    s.JAVA_PATH = doc.readString(kGlobal, QStringLiteral("JAVA_PATH"), probed);
    if (s.JAVA_PATH.isEmpty() && m_showMessage)
        m_showMessage(QString::fromUtf8(kNoJdkMessage));
    s.DOJA_PATH = doc.readString(kGlobal, QStringLiteral("DOJA_PATH"), m_style.defaultDojaPath);
    s.major = doc.readInt(s.lastProject, QStringLiteral("major"), 1);
    s.minor = doc.readInt(s.lastProject, QStringLiteral("minor"), 0);
    const QString classPath = defaultClassPath(s.DOJA_PATH, m_style);
    s.CLASSPATH = doc.readString(kGlobal, QStringLiteral("CLASSPATH"), classPath);
    s.BOOTCLASSPATH = doc.readString(kGlobal, QStringLiteral("BOOTCLASSPATH"), classPath);
    deriveToolchainPaths(s, m_style);
}

Result SettingsStore::SaveSettings()
{
    const AppSettings &s = m_settings;
    const bool written = updateProfileFile(settingsFilePath(), [&s](ProfileDocument &doc) {
        const QString project = s.lastProject;
        const QList<std::tuple<QString, QString, QString>> writes = {
            {project, QStringLiteral("Name"), project},
            {project, QStringLiteral("major"), QString::number(s.major)},
            {project, QStringLiteral("minor"), QString::number(s.minor)},
            {kGlobal, QStringLiteral("WebUrl"), s.WebUrl},
            {kGlobal, QStringLiteral("FtpUrl"), s.FtpUrl},
            {kGlobal, QStringLiteral("FtpPath"), s.FtpPath},
            {kGlobal, QStringLiteral("FtpId"), s.FtpId},
            {kGlobal, QStringLiteral("FtpPassword"), s.FtpPassword},
            {kGlobal, QStringLiteral("JAVA_PATH"), s.JAVA_PATH},
            {kGlobal, QStringLiteral("DOJA_PATH"), s.DOJA_PATH},
            {kGlobal, QStringLiteral("lastProject"), project},
        };
        // Each write stands on its own, as with one profile call per key: a
        // value the code page cannot hold is lost alone.
        for (const auto &[section, key, value] : writes)
            doc.setValue(section, key, value);
        return true;
    });
    if (!written)
        return Result::failure(settingsFilePath() + QStringLiteral("の保存に失敗しました。"));
    return Result::success();
}

void SettingsStore::adoptProject(const QString &name)
{
    const ProfileDocument doc = ProfileDocument::load(settingsFilePath());
    m_settings.lastProject = name;
    m_settings.major = doc.readInt(name, QStringLiteral("major"), 1);
    m_settings.minor = doc.readInt(name, QStringLiteral("minor"), 0);
    deriveProjectPaths();
}

void SettingsStore::deriveProjectPaths()
{
    deriveToolchainPaths(m_settings, m_style);
}
