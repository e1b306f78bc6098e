#pragma once

#include "app/code_page.h"
#include "app/path_style.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "fake_command_runner.h"
#include "fake_ftp_client.h"
#include "fake_workbench.h"
#include "fixed_clock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QTemporaryDir>

// A temporary AppDir whose Tovra.ini points DOJA_PATH at a temporary SDK
// folder holding one project with a built archive, and the fakes an action
// needs. Loaded, with CanUpload set as after opening the project.
class UploadSandbox
{
public:
    using Values = QList<QPair<QString, QString>>;

    static Values defaultGlobal()
    {
        return {
            {QStringLiteral("lastProject"), QStringLiteral("Hello")},
            {QStringLiteral("WebUrl"), QStringLiteral("web.example.net/i")},
            {QStringLiteral("FtpUrl"), QStringLiteral("ftp.example.net")},
            {QStringLiteral("FtpId"), QStringLiteral("alice")},
            {QStringLiteral("FtpPassword"), QStringLiteral("secret")},
            {QStringLiteral("FtpPath"), QStringLiteral("public_html/i")},
            {QStringLiteral("JAVA_PATH"), QStringLiteral("/opt/jdk")},
        };
    }

    // Values replace the defaults of the same key.
    explicit UploadSandbox(const Values &global = {}, const QString &minor = QStringLiteral("4"))
        : store(m_dir.path() + QStringLiteral("/app"), PathStyle::posix())
    {
        QDir().mkpath(appDir());
        Values values = defaultGlobal();
        for (const auto &[key, value] : global) {
            bool replaced = false;
            for (auto &entry : values)
                if (entry.first == key)
                    entry.second = value, replaced = true;
            if (!replaced)
                values.append({key, value});
        }
        values.append({QStringLiteral("DOJA_PATH"), sdkDir()});
        QString ini = QStringLiteral("[Global]\r\n");
        for (const auto &[key, value] : values)
            ini += key + QLatin1Char('=') + value + QStringLiteral("\r\n");
        QString name;
        for (const auto &[key, value] : values)
            if (key == QLatin1String("lastProject"))
                name = value;
        ini += "[" + name + "]\r\nName=" + name + "\r\nmajor=1\r\nminor=" + minor + "\r\n";
        m_valid = writeBytes(store.settingsFilePath(), toCodePage(ini).value_or(QByteArray()));
        store.LoadSettings();
        m_valid = m_valid && QDir().mkpath(binDir())
                  && writeBytes(binDir() + QLatin1Char('/') + name + QStringLiteral(".jar"), archive());
        bench.windowFlags = {true, true, true};
    }

    bool isValid() const { return m_dir.isValid() && m_valid; }
    QString root() const { return m_dir.path(); }
    QString appDir() const { return root() + QStringLiteral("/app"); }
    QString sdkDir() const { return root() + QStringLiteral("/sdk"); }
    QString binDir() const { return store.settings().ProjectFolder + QStringLiteral("/bin"); }
    QString product(const QString &extension) const
    {
        return binDir() + QLatin1Char('/') + store.settings().lastProject + extension;
    }
    Services services() { return {store, bench, runners, ftp, clock}; }

    // Bytes no text transfer could leave alone: every byte value, CR LF and bare LF.
    static QByteArray archive()
    {
        QByteArray bytes("PK\x03\x04\r\n\n\r", 8);
        for (int i = 0; i < 1024; ++i)
            bytes += char(i % 256);
        return bytes;
    }

    static bool writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;

public:
    SettingsStore store;
    FakeWorkbench bench;
    FakeCommandRunnerFactory runners;
    FakeFtpClientFactory ftp;
    FixedClock clock;
};
