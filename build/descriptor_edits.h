#pragma once

#include "app/project_settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class SettingsStore;
struct OpenedProject;

// What a descriptor holds that the project's settings would not write: the
// settings with those values taken, and what was taken or refused, each as
// "Key = Value".
struct DescriptorEdits {
    ProjectSettings settings;
    QStringList taken;
    QStringList refused;
};
DescriptorEdits findHandEdits(const QString &jamText, const OpenedProject &project);

// The descriptor's bytes, as the settings file's jamChecked keeps them.
QString descriptorDigest(const QByteArray &bytes);
// The digest of the project's descriptor as it stands; empty without one.
QString currentDescriptorDigest(const OpenedProject &project);

// Before the descriptor is replaced: values typed into it by hand become
// the project's settings, and are saved; a descriptor that is still the one
// the settings last saw holds none. The lines for the log (one when values
// were taken).
QStringList TakeHandEdits(SettingsStore &store, OpenedProject &project);
