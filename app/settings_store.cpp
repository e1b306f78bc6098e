#include "app/settings_store.h"

#include "app/opened_project.h"
#include "app/profile_file.h"
#include "app/project_settings_file.h"
#include "app/toolchain.h"

#include <QDir>
#include <limits>
#include <optional>

namespace {

const QString kGlobal = QStringLiteral("Global");
// The program has no host of its own to offer; a reserved example name
// shows the user where an address belongs.
const QString kPlaceholderHost = QStringLiteral("www.example.com");

// The keys of Global that a save writes, in the order it writes them, after
// the last project's Name, major and minor.
constexpr struct {
    const char *key;
    QString AppSettings::*field;
} kSavedGlobalKeys[] = {
    {"WebUrl", &AppSettings::WebUrl},           {"FtpUrl", &AppSettings::FtpUrl},
    {"FtpPath", &AppSettings::FtpPath},         {"FtpId", &AppSettings::FtpId},
    {"FtpPassword", &AppSettings::FtpPassword}, {"JAVA_PATH", &AppSettings::JAVA_PATH},
    {"DOJA_PATH", &AppSettings::DOJA_PATH},     {"lastProject", &AppSettings::lastProject},
};

constexpr struct {
    const char *key;
    qint32 AppSettings::*field;
} kVersionKeys[] = {{"major", &AppSettings::major}, {"minor", &AppSettings::minor}};

QString unwritableValue(const QString &file, const QString &key)
{
    return QDir::toNativeSeparators(file) + QStringLiteral(": ") + key
           + QStringLiteral("の値はShift_JIS(Windows-31J)で表せないため、書きこめません。");
}

QString saveFailed(const QString &file)
{
    return file + QStringLiteral("の保存に失敗しました。\r\n");
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
            return doc.setValue(section, key, value) ? Result<>::success()
                                                     : Result<>::failure(unwritableValue(settingsFilePath(), key));
        },
        m_lockWait);
}

// The settings one read of the file gives; the version is lastProject's
// (empty: the one the file names).
AppSettings SettingsStore::settingsFrom(const ProfileDocument &doc, const QString &lastProject) const
{
    AppSettings s;
    s.lastProject = lastProject.isEmpty() ? doc.readString(kGlobal, QStringLiteral("lastProject"), QStringLiteral("Test"))
                                          : lastProject;
    s.WebUrl = doc.readString(kGlobal, QStringLiteral("WebUrl"), kPlaceholderHost);
    s.FtpUrl = doc.readString(kGlobal, QStringLiteral("FtpUrl"), kPlaceholderHost);
    s.FtpId = doc.readString(kGlobal, QStringLiteral("FtpId"), QStringLiteral("foo"));
    s.FtpPassword = doc.readString(kGlobal, QStringLiteral("FtpPassword"), QStringLiteral("zkw"));
    s.FtpPath = doc.readString(kGlobal, QStringLiteral("FtpPath"), QString());
    s.JAVA_PATH = doc.readString(kGlobal, QStringLiteral("JAVA_PATH"), FindJdk(m_style));
    s.DOJA_PATH = doc.readString(kGlobal, QStringLiteral("DOJA_PATH"), m_style.defaultDojaPath);
    s.major = doc.readInt(s.lastProject, QStringLiteral("major"), 1);
    s.minor = doc.readInt(s.lastProject, QStringLiteral("minor"), 0);
    const QString classPath = defaultClassPath(s.DOJA_PATH, m_style);
    s.CLASSPATH = doc.readString(kGlobal, QStringLiteral("CLASSPATH"), classPath);
    s.BOOTCLASSPATH = doc.readString(kGlobal, QStringLiteral("BOOTCLASSPATH"), classPath);
    s.PROGUARD_JAR = doc.readString(kGlobal, QStringLiteral("PROGUARD_JAR"), m_style.defaultProguardJar);
    s.PROGUARD_JAVA = doc.readString(kGlobal, QStringLiteral("PROGUARD_JAVA"), QString());
    return s;
}

void SettingsStore::hold(const AppSettings &settings)
{
    m_settings = settings;
}

std::optional<QString> SettingsStore::noJdkNote() const
{
    if (!m_settings.JAVA_PATH.isEmpty())
        return std::nullopt;
    return noJdkMessage(QDir::toNativeSeparators(settingsFilePath()));
}

Result<> SettingsStore::LoadSettings()
{
    const Result<ProfileDocument> doc = ProfileDocument::loadForUpdate(settingsFilePath());
    if (!doc)
        return Result<>::failure(doc.error());
    hold(settingsFrom(*doc, QString()));
    return Result<>::success();
}

namespace {

ProjectRecord projectRecord(const ProfileDocument &doc, const AppSettings &opened, Result<> recorded)
{
    return ProjectRecord{opened.major, opened.minor, readProjectSettings(doc, opened.lastProject),
                         doc.readString(opened.lastProject, kJamCheckedKey, QString()), recorded};
}

} // namespace

Result<ProjectRecord> SettingsStore::recordOpenedProject(const QString &name)
{
    std::optional<AppSettings> read;
    std::optional<ProjectRecord> record;
    Result<> written = updateProfileFile(settingsFilePath(), [&](ProfileDocument &doc) {
        read = settingsFrom(doc, name);
        record = projectRecord(doc, *read, Result<>::success());
        if (!doc.setValue(kGlobal, QStringLiteral("lastProject"), name))
            return Result<>::failure(unwritableValue(settingsFilePath(), QStringLiteral("lastProject")));
        return Result<>::success();
    }, m_lockWait);
    if (written) {
        hold(*read);
        return *record;
    }
    // The file takes no write: the settings as it reads without one.
    const Result<ProfileDocument> doc = ProfileDocument::loadForUpdate(settingsFilePath());
    if (!doc)
        return Result<ProjectRecord>::failure(doc.error());
    const AppSettings opened = settingsFrom(*doc, name);
    hold(settingsFrom(*doc, QString()));
    return projectRecord(*doc, opened, written);
}

Result<ProjectRecord> SettingsStore::readProjectRecord(const QString &name) const
{
    const Result<ProfileDocument> doc = ProfileDocument::loadForUpdate(settingsFilePath());
    if (!doc)
        return Result<ProjectRecord>::failure(doc.error());
    return projectRecord(*doc, settingsFrom(*doc, name), Result<>::success());
}

Result<> SettingsStore::saveProjectSettings(const OpenedProject &project, const ProjectSettings &changed,
                                            const std::optional<QString> &jamChecked)
{
    const Result<> written = updateProfileFile(settingsFilePath(), [&](ProfileDocument &doc) {
        const bool taken = writeProjectSettings(doc, project.name, project.settings, changed)
                           && (!jamChecked || jamChecked == project.jamChecked
                               || doc.setValue(project.name, kJamCheckedKey, *jamChecked));
        if (!taken)
            return Result<>::failure(QStringLiteral("Shift_JIS(Windows-31J)で表せない値は書きこめません。"));
        return Result<>::success();
    }, m_lockWait);
    if (!written)
        return Result<>::failure(saveFailed(settingsFilePath()) + written.error());
    return Result<>::success();
}

// Writes the keys of target that the file lacks or that differ from
// baseline, after before has had its look at the file under the lock.
Result<> SettingsStore::writeSettings(AppSettings target, const AppSettings &baseline,
                                      const std::function<Result<>(const ProfileDocument &, AppSettings &)> &before)
{
    QStringList lost;
    AppSettings written;
    const Result<> result = updateProfileFile(settingsFilePath(), [&](ProfileDocument &doc) {
        if (before) {
            if (const Result<> ready = before(doc, target); !ready)
                return ready;
        }
        written = target;
        lost.clear();
        const QString project = target.lastProject;
        // Each write stands on its own, as with one profile call per key: a
        // value the code page cannot hold is lost alone.
        const auto write = [&doc](const QString &section, const char *key, const QString &value, const QString &held) {
            const QString name = QLatin1String(key);
            const bool missing = !doc.value(section, name).has_value();
            return (!missing && value == held) || doc.setValue(section, name, value);
        };
        if (!write(project, "Name", project, project))
            lost << QStringLiteral("Name");
        for (const auto &version : kVersionKeys) {
            if (!write(project, version.key, QString::number(target.*version.field), QString::number(baseline.*version.field))) {
                lost << QLatin1String(version.key);
                written.*version.field = baseline.*version.field;
            }
        }
        for (const auto &global : kSavedGlobalKeys) {
            if (!write(kGlobal, global.key, target.*global.field, baseline.*global.field)) {
                lost << QLatin1String(global.key);
                written.*global.field = baseline.*global.field;
            }
        }
        return Result<>::success();
    }, m_lockWait);
    const QString failed = saveFailed(settingsFilePath());
    if (!result)
        return Result<>::failure(failed + result.error());
    m_settings = written;
    if (!lost.isEmpty())
        return Result<>::failure(failed + QStringLiteral("Shift_JIS(Windows-31J)で表せない値は書きこめません: ")
                                 + lost.join(QStringLiteral(", ")));
    return Result<>::success();
}

Result<> SettingsStore::SaveSettings(const AppSettings &changed)
{
    return writeSettings(changed, m_settings, nullptr);
}

Result<qint32> nextMinorVersion(qint32 minor)
{
    if (minor == std::numeric_limits<qint32>::max())
        return Result<qint32>::failure(kVersionAtMaximum);
    return minor + 1;
}

Result<qint32> SettingsStore::raiseMinorVersion(const OpenedProject &project)
{
    // The project's version as it was opened or last raised stands for what
    // the file held; the project becomes the last one, as at its opening.
    AppSettings baseline = m_settings;
    baseline.major = project.major;
    baseline.minor = project.minor;
    AppSettings target = baseline;
    target.lastProject = project.name;
    qint32 raised = project.minor;
    const Result<> written = writeSettings(target, baseline, [&](const ProfileDocument &doc, AppSettings &s) {
        const qint32 inFile = doc.readInt(project.name, QStringLiteral("minor"), 0);
        const Result<qint32> next = nextMinorVersion(qMax(project.minor, inFile));
        if (!next)
            return Result<>::failure(next.error());
        s.minor = raised = *next;
        return Result<>::success();
    });
    if (!written)
        return Result<qint32>::failure(written.error());
    return raised;
}
