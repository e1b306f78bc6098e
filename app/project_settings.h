#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

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
    QString AppClass;       // the main class, with its package; empty: the project name
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

// Keys of the DoJa descriptor, matched without regard to case as handsets
// match them. Only these ever reach a descriptor: any other key of the
// project's section (a note, the program's own keys) stays in the file.
bool isDescriptorKey(const QString &key);
// The descriptor keys the writer writes itself, whatever the settings say.
bool isWrittenByBuild(const QString &key);
// A descriptor key that only an extra line can set.
bool isExtraDescriptorKey(const QString &key);
QStringList extraDescriptorKeys();

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

// The largest side of a canvas the stand-in emulator draws; it refuses a
// DrawArea past it, so the settings refuse it too.
inline constexpr int kMaxDrawAreaSide = 2048;
// The canvas DrawArea names ("WxH", each side 1 to kMaxDrawAreaSide).
std::optional<QSize> drawAreaSize(const QString &drawArea);

// The scratchpad sizes SPsize names (none when it names none or is not valid).
QList<qint64> scratchpadSizes(const QString &spSize);
