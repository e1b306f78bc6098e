#include "build/descriptor_edits.h"

#include "app/code_page.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "build/jam_writer.h"

#include <QCryptographicHash>
#include <QFileInfo>

namespace {

struct JamLine {
    QString key;
    QString value;
};

// "Key = Value" lines, the first of each key (matched without regard to
// case, as handsets match them).
QList<JamLine> jamLines(const QString &text)
{
    QList<JamLine> lines;
    QStringList seen;
    for (const QString &line : withCrLfLines(text).split(kCrLf)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        if (equals <= 0 || key.isEmpty() || seen.contains(key, Qt::CaseInsensitive))
            continue;
        seen << key;
        lines.append({key, line.mid(equals + 1).trimmed()});
    }
    return lines;
}

// What the writer would put in the key's line for these settings.
QString writtenValue(const OpenedProject &project, const QString &key)
{
    if (key.compare(QLatin1String("AppName"), Qt::CaseInsensitive) == 0)
        return effectiveAppName(project);
    return projectSettingValue(project.settings, key);
}

class EditReader
{
public:
    explicit EditReader(const OpenedProject &project) : m_project(project) { m_edits.settings = project.settings; }

    void read(const JamLine &line);
    DescriptorEdits edits() const { return m_edits; }

private:
    void take(const JamLine &line, const QString &problem, const std::function<void()> &apply);
    void readExtra(const JamLine &line);

    const OpenedProject &m_project;
    DescriptorEdits m_edits;
};

void EditReader::take(const JamLine &line, const QString &problem, const std::function<void()> &apply)
{
    const QString shown = line.key + QStringLiteral(" = ") + line.value;
    if (!problem.isEmpty()) {
        m_edits.refused << shown + QStringLiteral("(") + problem + QStringLiteral(")");
        return;
    }
    apply();
    m_edits.taken << shown;
}

void EditReader::read(const JamLine &line)
{
    const qsizetype field = projectSettingIndex(line.key);
    const QString key = field < 0 ? line.key : kProjectSettingKeys[field];
    if (key == QLatin1String("TargetProfile") || key == QLatin1String("Shrink"))
        return;
    if (field >= 0) {
        // An empty line takes nothing away: it is what an older descriptor
        // holds for a value set since in the settings file.
        if (line.value.isEmpty() || line.value == writtenValue(m_project, key))
            return;
        take(line, projectSettingProblem(key, line.value), [&] {
            const bool ownName = key == QLatin1String("AppName") && line.value == m_project.name;
            setProjectSettingValue(m_edits.settings, key, ownName ? QString() : line.value);
        });
        return;
    }
    // A profile typed in becomes the target; the writer keeps the rest of
    // its own lines.
    if (key.compare(QLatin1String("ProfileVer"), Qt::CaseInsensitive) == 0) {
        if (kDojaProfiles.contains(line.value) && line.value != m_project.settings.TargetProfile)
            take(line, QString(), [&] { m_edits.settings.TargetProfile = line.value; });
        return;
    }
    if (!isReservedDescriptorKey(key))
        readExtra(line);
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
    take(line, extraLineProblem(typed), [&] { extras.append(typed); });
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

QStringList TakeHandEdits(SettingsStore &store, OpenedProject &project)
{
    const QString jam = project.paths.descriptor();
    if (!QFileInfo(jam).isFile())
        return {};
    const Result<QByteArray> bytes = readWholeFile(jam);
    if (!bytes)
        return {QStringLiteral("手で書かれた値を確かめられませんでした: ") + bytes.error()};
    if (descriptorDigest(*bytes) == project.jamChecked)
        return {};
    const DescriptorEdits edits = findHandEdits(fromCodePage(*bytes), project);
    QStringList lines;
    if (!edits.refused.isEmpty())
        lines << jam + QStringLiteral("の値のうち、次は使えないため取り込みませんでした: ")
                     + edits.refused.join(QStringLiteral("、"));
    if (edits.taken.isEmpty())
        return lines;
    const Result<> saved = store.saveProjectSettings(project, edits.settings);
    // Kept for this descriptor even when the file refuses them: the next
    // descriptor then still holds them, and they are taken again next time.
    project.settings = edits.settings;
    lines << jam + QStringLiteral("に手で書かれた値をプロジェクトの設定に取り込みました: ")
                 + edits.taken.join(QStringLiteral("、"));
    if (!saved)
        lines << saved.error();
    return lines;
}
