#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One descriptor line the program has no field for, as the user typed it.
struct ExtraDescriptorLine {
    QString key;
    QString value;

    bool operator==(const ExtraDescriptorLine &) const = default;
};

// What the user sets for one project: the descriptor's values, each under
// the descriptor's own key name, and the profile the project is made for.
// Empty means "not set": the descriptor then holds what it always held.
struct ProjectSettings {
    QString AppName;        // empty: the project name
    QString AppParam;
    QString SPsize;         // a size, or sizes "n,n,…"
    QString UseNetwork;     // "http" or empty
    QString UseBrowser;     // "launch" or empty
    QString TargetDevice;
    QString DrawArea;       // "WxH" or empty
    QString AppTrace;       // "On" or empty
    QString TargetProfile;  // one of kDojaProfiles, or empty
    QString Shrink;         // "On" or empty: Build shrinks the classes; never a descriptor line
    QList<ExtraDescriptorLine> extraLines;

    bool operator==(const ProjectSettings &) const = default;
};

// The profiles a project can be made for, oldest first.
extern const QStringList kDojaProfiles;

// The settable keys with a field of their own, in the order of the struct.
extern const QStringList kProjectSettingKeys;
// The key's place in kProjectSettingKeys, matched without regard to case as
// handsets and the settings file match keys; -1 for none.
qsizetype projectSettingIndex(const QString &key);
QString projectSettingValue(const ProjectSettings &settings, const QString &key);
void setProjectSettingValue(ProjectSettings &settings, const QString &key, const QString &value);

// Keys an extra line must not name: those the descriptor writer writes
// itself, and the settings file's own keys of the project's section.
bool isReservedDescriptorKey(const QString &key);

// Why a value cannot be kept (it would break the settings file or the
// descriptor, or the handset would not read it), or empty.
QString projectSettingProblem(const QString &key, const QString &value);
// Why a line of the extra lines cannot be kept, or empty.
QString extraLineProblem(const ExtraDescriptorLine &line);
// The extra lines as the user types them, "Key = Value" one per line, and
// back; lines without "=" come back with an empty value and are refused.
QString extraLinesText(const QList<ExtraDescriptorLine> &lines);
QList<ExtraDescriptorLine> parseExtraLines(const QString &text);
// The first problem of the whole value, or empty.
QString projectSettingsProblem(const ProjectSettings &settings);

// The scratchpad sizes SPsize names (none when it names none or is not valid).
QList<qint64> scratchpadSizes(const QString &spSize);
