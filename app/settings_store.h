#pragma once

#include "app/app_settings.h"
#include "app/path_style.h"
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
    // Returns whether the file now holds the value; callers of the original
    // profile API ignore it, opening a project does not.
    bool WriteIniString(const QString &section, const QString &key, const QString &value);

    void LoadSettings();
    // Failure names the settings file and why it could not be written.
    Result SaveSettings();

    // Makes name the current project in memory: its version from its own
    // section and the project paths derived from it. Used when the settings
    // file could not take the name, so that the opened project still governs.
    void adoptProject(const QString &name);

private:
    void deriveProjectPaths();

    QString m_appDir;
    PathStyle m_style;
    AppSettings m_settings;
    MessageHandler m_showMessage;
};
