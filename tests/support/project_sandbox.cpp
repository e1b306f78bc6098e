#include "project_sandbox.h"

#include "app/profile_file.h"
#include "app/project_settings_file.h"

#include "app/code_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString templateSource(const QString &name)
{
    return QStringLiteral("import com.nttdocomo.ui.*;\r\n"
                          "public class %1 extends IApplication {\r\n"
                          "    public void start() {\r\n"
                          "    }\r\n"
                          "}\r\n")
        .arg(name);
}

PathStyle sandboxStyle(const QString &root)
{
    PathStyle style = PathStyle::posix();
    style.jdkProbes = {root + QStringLiteral("/no-jdk1.3.1"), root + QStringLiteral("/no-jdk1.3")};
    style.defaultDojaPath = root + QStringLiteral("/no-sdk");
    return style;
}

ProjectSandbox::Options uploadOptions(const QString &host, const QString &user, const QString &folder,
                                      const QString &minor)
{
    ProjectSandbox::Options options;
    options.extraGlobalLines = QStringLiteral("WebUrl=www.example.net/i\r\nFtpUrl=%1\r\nFtpId=%2\r\n"
                                              "FtpPassword=secret\r\nFtpPath=%3\r\n[Hello]\r\nmajor=1\r\nminor=%4\r\n")
                                   .arg(host, user, folder, minor);
    return options;
}

ProjectSandbox::ProjectSandbox() : ProjectSandbox(Options{}) {}

ProjectSandbox::ProjectSandbox(const Options &options)
    : m_options(options)
    , store(appDir(), sandboxStyle(root()))
{
    m_valid = QDir().mkpath(appDir()) && writeIni();
    if (m_valid && options.createSdk)
        m_valid = QDir().mkpath(sdkDir() + QStringLiteral("/apps"));
    // A lock another copy holds is met at once, not after the usual wait.
    store.setLockWait(100);
    m_valid = store.LoadSettings().ok() && m_valid;
    if (m_valid && options.createSdk)
        m_valid = writeProject();
}

OpenedProject ProjectSandbox::project() const
{
    const AppSettings &s = store.settings();
    const ProfileDocument file = ProfileDocument::load(store.settingsFilePath());
    return {m_options.name, ProjectPaths(s.DOJA_PATH, m_options.name, store.style()), s.major, s.minor,
            readProjectSettings(file, m_options.name), file.readString(m_options.name, kJamCheckedKey, QString())};
}

bool ProjectSandbox::writeIni()
{
    const QString text = QStringLiteral("[Global]\r\nlastProject=%1\r\nJAVA_PATH=%2\r\nDOJA_PATH=%3\r\n")
                             .arg(m_options.name, m_options.javaPath, sdkDir())
                         + m_options.extraGlobalLines;
    const std::optional<QByteArray> bytes = toCodePage(text);
    return bytes && writeBytes(store.settingsFilePath(), *bytes);
}

bool ProjectSandbox::writeProject()
{
    const std::optional<QByteArray> source = toCodePage(templateSource(m_options.name));
    return source && makeFolder(QStringLiteral("bin")) && makeFolder(QStringLiteral("res"))
           && writeFile(QStringLiteral("src/") + m_options.name + QStringLiteral(".java"), *source);
}

bool ProjectSandbox::writeFile(const QString &relative, const QByteArray &bytes) const
{
    return writeBytes(inProject(relative), bytes);
}

bool ProjectSandbox::makeFolder(const QString &relative) const
{
    return QDir().mkpath(inProject(relative));
}
