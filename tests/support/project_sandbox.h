#pragma once

#include "app/opened_project.h"
#include "app/path_style.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "fake_command_runner.h"
#include "file_bytes.h"
#include "fake_ftp_client.h"
#include "fake_workbench.h"
#include "fixed_clock.h"
#include "ui/source_text.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A temporary AppDir with its Tovra.ini and a DoJa SDK folder holding one
// project in the layout a new project gets (bin, src with the template
// source, res), plus the fakes an action needs. The store is loaded, and
// the project is the one its settings name.
class ProjectSandbox
{
public:
    struct Options {
        QString name = QStringLiteral("Hello");
        QString sdkFolderName = QStringLiteral("sdk");
        QString javaPath = QStringLiteral("/opt/jdk");
        QString extraGlobalLines;  // more lines after [Global]'s, CR LF ended; sections may follow
        bool createSdk = true;      // false: the test fills DOJA_PATH itself
    };

private:
    // Ahead of the store, which is made from the folder.
    Options m_options;
    QTemporaryDir m_dir;
    bool m_valid = false;

public:
    ProjectSandbox();
    explicit ProjectSandbox(const Options &options);

    bool isValid() const { return m_dir.isValid() && m_valid; }
    QString root() const { return m_dir.path(); }
    QString appDir() const { return root() + QStringLiteral("/app"); }
    QString sdkDir() const { return root() + QLatin1Char('/') + m_options.sdkFolderName; }
    QString name() const { return m_options.name; }
    const AppSettings &settings() const { return store.settings(); }
    // As opening it would give it: its version from the settings.
    OpenedProject project() const;
    QString projectFolder() const { return project().paths.folder(); }
    QString inProject(const QString &relative) const { return projectFolder() + QLatin1Char('/') + relative; }

    // Writes below the project folder; folders on the way are made.
    bool writeFile(const QString &relative, const QByteArray &bytes) const;
    bool makeFolder(const QString &relative) const;
    // The project's folders and its template source.
    bool writeProject();

    Services services(CommandRunnerFactory &runnerFactory)
    {
        return {store, bench, bench, document, bench, runnerFactory, ftp, clock};
    }
    Services services() { return services(runners); }

    SettingsStore store;
    FakeWorkbench bench;
    SourceText document{bench, bench, bench};
    FakeCommandRunnerFactory runners;
    FakeFtpClientFactory ftp;
    FixedClock clock;

private:
    bool writeIni();
};

// The five lines of a new project's source, CR LF ended.
QString templateSource(const QString &name);
// A POSIX style whose JDK probes lie where no JDK is.
PathStyle sandboxStyle(const QString &root);
// Hello with version 1.minor and a server to upload to: www.example.net/i
// for the page, the folder below the login folder.
ProjectSandbox::Options uploadOptions(const QString &host = QStringLiteral("ftp.example.net"),
                                      const QString &user = QStringLiteral("alice"),
                                      const QString &folder = QStringLiteral("public_html/i"),
                                      const QString &minor = QStringLiteral("4"));
