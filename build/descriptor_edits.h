#pragma once

#include "app/project_settings.h"
#include "app/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class SettingsStore;
struct OpenedProject;

// What a descriptor holds that the project's settings would not write: the
// settings with those values taken, what was taken or refused, each as
// "Key = Value", and the keys of the writer's own lines that differ.
struct DescriptorEdits {
    ProjectSettings settings;
    QStringList taken;
    QStringList refused;
    QStringList replaced;
};
DescriptorEdits findHandEdits(const QString &jamText, const OpenedProject &project);

// A descriptor larger than this is no descriptor the program wrote; it is
// not read for hand edits.
inline constexpr qint64 kMaxHandEditedDescriptor = 64 * 1024;

// The descriptor's bytes, as the settings file's jamChecked keeps them.
QString descriptorDigest(const QByteArray &bytes);
// The digest of the project's descriptor as it stands; empty without one.
QString currentDescriptorDigest(const OpenedProject &project);

// Before Build, Upload or Clean replaces or removes the descriptor, and as
// the settings dialog opens: the project's settings afresh from the file,
// and the values typed into the descriptor by hand taken into them and
// saved. Only a descriptor whose digest is not the one recorded when the
// program last wrote it (or accepted it) is read. The lines for the log.
QStringList takeHandEdits(SettingsStore &store, OpenedProject &project);

// After the program wrote the descriptor: its digest is recorded, so the
// next look finds no hand edits in it. Why that failed, for the log.
Result<> recordWrittenDescriptor(SettingsStore &store, OpenedProject &project);

// Before Build or Upload writes the descriptor: the hand edits taken (their
// lines go to logLine), then whether the settings can be used. Why not (a
// value a handset could not read, typed into the settings file by hand),
// naming the file and the project's section.
Result<> settingsReadyForDescriptor(SettingsStore &store, OpenedProject &project,
                                    const std::function<void(const QString &line)> &logLine);
