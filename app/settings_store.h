#pragma once

#include "app/app_settings.h"
#include "app/path_style.h"
#include "app/profile_file.h"
#include "app/project_settings.h"
#include "app/result.h"

#include <QString>
#include <functional>
#include <optional>

struct OpenedProject;

// What opening a project did to the settings file: the project's version as
// its section holds it, and whether the file now names it as the last project.
struct ProjectRecord {
    qint32 major = 1;
    qint32 minor = 0;
    ProjectSettings settings;
    QString jamChecked;
    Result<> recorded = Result<>::success();
};

// Holds what Tovra.ini beside the executable holds, as a value, and moves it
// to and from the file. Created by main (or a test, over a temporary AppDir)
// and handed by reference to whoever needs it.
class SettingsStore
{
public:
    SettingsStore(const QString &appDir, const PathStyle &style);

    // As the last load or save left the file.
    const AppSettings &settings() const { return m_settings; }
    const PathStyle &style() const { return m_style; }
    QString appDir() const { return m_appDir; }
    QString settingsFilePath() const;

    // What to tell the user after a load or an opening when no JDK is known
    // (a message box in the window, standard error without one).
    std::optional<QString> noJdkNote() const;

    QString ReadIniString(const QString &section, const QString &key, const QString &defaultValue) const;
    qint32 ReadIniInt(const QString &section, const QString &key, qint32 defaultValue) const;
    // Failure names the settings file and why.
    Result<> WriteIniString(const QString &section, const QString &key, const QString &value);

    // A file that is there but cannot be read leaves the settings as they
    // were, never the defaults: a build would otherwise write into another
    // SDK's project of the same name. The failure names the file and why.
    Result<> LoadSettings();
    // Writes a key of changed only when the file lacks it or its value
    // differs from the settings held, so hand edits and a second copy's
    // writes survive; the settings held are then changed. Nothing is held
    // that the file did not take. Failure names the settings file and why.
    Result<> SaveSettings(const AppSettings &changed);
    // Under the file's lock: the project's minor becomes one more than the
    // larger of its value in the project and in the file, and is saved with
    // the project as the last one. The new minor, or why there is none.
    Result<qint32> raiseMinorVersion(const OpenedProject &project);
    // Writes the project's settings that differ from those it holds, and
    // the descriptor's digest when one is given; all of it or nothing.
    // Failure names the settings file and why.
    Result<> saveProjectSettings(const OpenedProject &project, const ProjectSettings &changed,
                                 const std::optional<QString> &jamChecked = std::nullopt);
    // Opening the project name: under the file's lock, one read gives the
    // settings afresh and the project's version, and lastProject becomes
    // name. When the file takes no write, the project opens all the same
    // (recorded says why); it fails only when the file cannot be read.
    Result<ProjectRecord> recordOpenedProject(const QString &name);
    // The project's section as the file holds it now, without a write.
    Result<ProjectRecord> readProjectRecord(const QString &name) const;

    // How long a write waits for another running copy to let go of the file.
    void setLockWait(int milliseconds) { m_lockWait.milliseconds = milliseconds; }

private:
    AppSettings settingsFrom(const ProfileDocument &doc, const QString &lastProject) const;
    void hold(const AppSettings &settings);
    Result<> writeSettings(AppSettings target, const AppSettings &baseline,
                           const std::function<Result<>(const ProfileDocument &, AppSettings &)> &before);

    QString m_appDir;
    PathStyle m_style;
    AppSettings m_settings;
    ProfileLockWait m_lockWait;
};

extern const QString kVersionAtMaximum;

// The minor version after minor, or why there is none: wrapping round would
// announce an older version to the phone.
Result<qint32> nextMinorVersion(qint32 minor);
