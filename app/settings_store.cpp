#include "app/settings_store.h"

// Stub: filled in with the settings store.
SettingsStore::SettingsStore(const QString &appDir, const PathStyle &style) : m_appDir(appDir), m_style(style) {}
QString SettingsStore::settingsFilePath() const { return m_appDir + m_style.separator + QStringLiteral("Tovra.ini"); }
QString SettingsStore::ReadIniString(const QString &, const QString &, const QString &d) const { return d; }
qint32 SettingsStore::ReadIniInt(const QString &, const QString &, qint32 d) const { return d; }
bool SettingsStore::WriteIniString(const QString &, const QString &, const QString &) { return false; }
void SettingsStore::LoadSettings() {}
void SettingsStore::SaveSettings() {}
void SettingsStore::adoptProject(const QString &) {}
void SettingsStore::deriveProjectPaths() {}
