#include "build/descriptor_edits.h"

#include "app/code_page.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/project_files.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "build/jam_writer.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

struct JamLine {
    QString key;
    QString value;
};

// The "Key = Value" lines of descriptor keys, the first of each key
// (matched without regard to case, as handsets match them). Other lines
// are nothing a handset reads.
QList<JamLine> jamLines(const QString &text)
{
    QList<JamLine> lines;
    QSet<QString> seen;
    for (const QString &line : withCrLfLines(text).split(kCrLf)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!isDescriptorKey(key) || seen.contains(key.toLower()))
            continue;
        seen.insert(key.toLower());
        lines.append({key, line.mid(equals + 1).trimmed()});
    }
    return lines;
}

// A value as a log line may show it: a long one is cut.
QString shown(const JamLine &line)
{
    constexpr qsizetype kShownCharacters = 32;
    const QString value = line.value.size() > kShownCharacters
                              ? line.value.left(kShownCharacters) + QStringLiteral("…")
                              : line.value;
    return line.key + QStringLiteral(" = ") + value;
}

// The writer's own lines as it would write them now, by lower-case key.
QHash<QString, QString> writerLines(const OpenedProject &project)
{
    QHash<QString, QString> lines;
    for (const QString &line : MakeJamText(project, QDateTime::currentDateTime()).split(kCrLf)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            lines.insert(line.left(equals).trimmed().toLower(), line.mid(equals + 1).trimmed());
    }
    return lines;
}

class EditReader
{
public:
    explicit EditReader(const OpenedProject &project)
        : m_project(project)
        , m_written(writerLines(project))
    {
        m_edits.settings = project.settings;
    }

    void read(const JamLine &line);
    DescriptorEdits edits() const { return m_edits; }

private:
    void take(const JamLine &line, const QString &problem, const std::function<void()> &apply);
    void readField(const JamLine &line, const QString &key);
    void readWritersOwn(const JamLine &line);
    void readExtra(const JamLine &line);

    const OpenedProject &m_project;
    const QHash<QString, QString> m_written;
    DescriptorEdits m_edits;
};

void EditReader::take(const JamLine &line, const QString &problem, const std::function<void()> &apply)
{
    if (!problem.isEmpty()) {
        m_edits.refused << shown(line) + QStringLiteral("(") + problem + QStringLiteral(")");
        return;
    }
    apply();
    m_edits.taken << shown(line);
}

void EditReader::read(const JamLine &line)
{
    if (const qsizetype field = projectSettingIndex(line.key); field >= 0)
        readField(line, kProjectSettingKeys[field]);
    else if (isWrittenByBuild(line.key))
        readWritersOwn(line);
    else
        readExtra(line);
}

void EditReader::readField(const JamLine &line, const QString &key)
{
    // An empty line takes nothing away: it is what an older descriptor
    // holds for a value set since in the settings file.
    if (line.value.isEmpty() || line.value == m_written.value(key.toLower()))
        return;
    QString problem = projectSettingProblem(key, line.value);
    // A main class without its source would leave a project that cannot be opened.
    if (problem.isEmpty() && key == QLatin1String("AppClass")
        && !QFileInfo(m_project.paths.sourceFileAt(classSourcePath(line.value))).isFile())
        problem = QStringLiteral("%1がありません").arg(QDir::toNativeSeparators(m_project.paths.sourceFileAt(classSourcePath(line.value))));
    take(line, problem, [&] {
        // The project's name is what the writer puts there when nothing is set.
        const bool ownName = (key == QLatin1String("AppName") || key == QLatin1String("AppClass"))
                             && line.value == m_project.name;
        setProjectSettingValue(m_edits.settings, key, ownName ? QString() : line.value);
    });
}

// A profile typed in becomes the target; the writer's other lines are
// written anew, and those that differ are named.
void EditReader::readWritersOwn(const JamLine &line)
{
    if (line.key.compare(QLatin1String("ProfileVer"), Qt::CaseInsensitive) == 0 && kDojaProfiles.contains(line.value)) {
        if (line.value != m_project.settings.TargetProfile)
            take(line, QString(), [&] { m_edits.settings.TargetProfile = line.value; });
        return;
    }
    // The time of writing is always new.
    if (line.key.compare(QLatin1String("LastModified"), Qt::CaseInsensitive) == 0)
        return;
    const QString key = line.key.toLower();
    const QString written = m_written.value(key);
    if (line.value != written && !(line.value.isEmpty() && !m_written.contains(key)))
        m_edits.replaced << line.key;
}

void EditReader::readExtra(const JamLine &line)
{
    QList<ExtraDescriptorLine> &extras = m_edits.settings.extraLines;
    const ExtraDescriptorLine typed{line.key, line.value};
    for (ExtraDescriptorLine &extra : extras) {
        if (extra.key.compare(line.key, Qt::CaseInsensitive) != 0)
            continue;
        if (!line.value.isEmpty() && extra.value != line.value)
            take(line, extraLineProblem(typed), [&] { extra.value = line.value; });
        return;
    }
    if (!line.value.isEmpty())
        take(line, extraLineProblem(typed), [&] { extras.append(typed); });
}

// The settings as the file holds them now: a value the user removed or
// changed there by hand counts, not what the program read at opening.
QStringList refreshSettings(SettingsStore &store, OpenedProject &project)
{
    const Result<ProjectRecord> record = store.readProjectRecord(project.name);
    if (!record)
        return {record.error()};
    project.settings = record->settings;
    project.jamChecked = record->jamChecked;
    return {};
}

QStringList editLines(const QString &jam, const DescriptorEdits &edits)
{
    QStringList lines;
    if (!edits.refused.isEmpty())
        lines << jam + QStringLiteral("の値のうち、次は使えないため取り込みませんでした: ")
                     + edits.refused.join(QStringLiteral("、"));
    if (!edits.replaced.isEmpty())
        lines << jam + QStringLiteral("の次の値はビルドが書くため、書き直します: ")
                     + edits.replaced.join(QStringLiteral("、"));
    if (!edits.taken.isEmpty())
        lines << jam + QStringLiteral("に手で書かれた値をプロジェクトの設定に取り込みました: ")
                     + edits.taken.join(QStringLiteral("、"));
    return lines;
}

} // namespace

DescriptorEdits findHandEdits(const QString &jamText, const OpenedProject &project)
{
    EditReader reader(project);
    for (const JamLine &line : jamLines(jamText))
        reader.read(line);
    return reader.edits();
}

QString descriptorDigest(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().left(16));
}

QString currentDescriptorDigest(const OpenedProject &project)
{
    if (!QFileInfo(project.paths.descriptor()).isFile())
        return {};
    const Result<QByteArray> bytes = readWholeFile(project.paths.descriptor());
    return bytes ? descriptorDigest(*bytes) : QString();
}

QStringList takeHandEdits(SettingsStore &store, OpenedProject &project)
{
    QStringList lines = refreshSettings(store, project);
    const QString jam = project.paths.descriptor();
    const QFileInfo info(jam);
    if (!info.isFile())
        return lines;
    if (info.size() > kMaxHandEditedDescriptor)
        return lines << jam + QStringLiteral("は大きすぎるため(64KBまで)、手で書かれた値を確かめませんでした。");
    const Result<QByteArray> bytes = readWholeFile(jam);
    if (!bytes)
        return lines << QStringLiteral("手で書かれた値を確かめられませんでした: ") + bytes.error();
    const QString digest = descriptorDigest(*bytes);
    if (digest == project.jamChecked)
        return lines;
    const DescriptorEdits edits = findHandEdits(fromCodePage(*bytes), project);
    lines << editLines(jam, edits);
    // What the descriptor holds is now in the settings: it is not read again.
    const Result<> saved = store.saveProjectSettings(project, edits.settings, digest);
    // Kept for this descriptor even when the file refuses them: the next
    // descriptor then still holds them, and they are taken again next time.
    project.settings = edits.settings;
    if (saved)
        project.jamChecked = digest;
    else
        lines << saved.error();
    return lines;
}

Result<> recordWrittenDescriptor(SettingsStore &store, OpenedProject &project)
{
    const QString digest = currentDescriptorDigest(project);
    if (digest.isEmpty() || digest == project.jamChecked)
        return Result<>::success();
    if (const Result<> saved = store.saveProjectSettings(project, project.settings, digest); !saved)
        return saved;
    project.jamChecked = digest;
    return Result<>::success();
}

Result<> settingsReadyForDescriptor(SettingsStore &store, OpenedProject &project,
                                    const std::function<void(const QString &line)> &logLine)
{
    for (const QString &line : takeHandEdits(store, project))
        logLine(line);
    const QString problem = projectSettingsProblem(project.settings);
    if (problem.isEmpty())
        return Result<>::success();
    return Result<>::failure(QStringLiteral("%1の[%2]の値は使えません。%3")
                                 .arg(QDir::toNativeSeparators(store.settingsFilePath()), project.name, problem));
}
