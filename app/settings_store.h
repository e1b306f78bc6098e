#pragma once

#include "app/app_settings.h"
#include "app/path_style.h"
#include "app/profile_file.h"
#include "app/result.h"

#include <QString>
#include <functional>

// Owns the one AppSettings record and moves it to and from Tovra.ini beside
// the executable. Created by main (or a test, over a temporary AppDir) and
// handed by reference to whoever needs it.
class SettingsStore
{
public:
    using MessageHandler = std::function<void(const QString &text)>;

    SettingsStore(const QString &appDir, const PathStyle &style);

    AppSettings &settings() { return m_settings; }
    const AppSettings &settings() const { return m_settings; }
    const PathStyle &style() const { return m_style; }
    QString appDir() const { return m_appDir; }
    QString settingsFilePath() const;

    // Shown when no JDK is known after a load (a message box in the window,
    // standard error without one).
    void setMessageHandler(MessageHandler handler) { m_showMessage = std::move(handler); }

    QString ReadIniString(const QString &section, const QString &key, const QString &defaultValue) const;
    qint32 ReadIniInt(const QString &section, const QString &key, qint32 defaultValue) const;
    // Failure names the settings file and why.
    Result<> WriteIniString(const QString &section, const QString &key, const QString &value);

    // A file that is there but cannot be read leaves the settings as they
    // were, never the defaults: a build would otherwise write into another
    // SDK's project of the same name. The failure names the file and why.
    Result<> LoadSettings();
    // Writes a key only when the file lacks it or the program changed its
    // value since the last load, so hand edits and a second copy's writes
    // survive. Failure names the settings file and why.
    Result<> SaveSettings();
    // Under the file's lock: minor becomes one more than the larger of the
    // value in memory and the value in the file, and is saved with the rest.
    // On failure the version in memory stays as it was.
    Result<> RaiseMinorVersion();

    // Makes name the current project for the rest of the run and loads the
    // settings under it: its paths and its version from its own section,
    // whatever this and later loads read as lastProject, so a save never
    // lands in another project.
    Result<> adoptProject(const QString &name);

    // How long a write waits for another running copy to let go of the file.
    void setLockWait(int milliseconds) { m_lockWait.milliseconds = milliseconds; }

private:
    void applyOpenedProject(const ProfileDocument &doc);
    Result<> writeSettings(const std::function<Result<>(ProfileDocument &)> &before);

    QString m_appDir;
    PathStyle m_style;
    AppSettings m_settings;
    AppSettings m_loaded;  // the values as the last load read them
    QString m_openedProject;
    ProfileLockWait m_lockWait;
    MessageHandler m_showMessage;
};

extern const QString kVersionAtMaximum;
