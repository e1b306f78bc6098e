#include "app/project_settings_file.h"

#include "app/profile_file.h"

const QString kJamCheckedKey = QStringLiteral("jamChecked");

ProjectSettings readProjectSettings(const ProfileDocument &doc, const QString &project)
{
    ProjectSettings settings;
    for (const QString &key : kProjectSettingKeys)
        setProjectSettingValue(settings, key, doc.readString(project, key, QString()));
    for (const QString &key : doc.keys(project)) {
        if (isExtraDescriptorKey(key))
            settings.extraLines.append({key, doc.readString(project, key, QString())});
    }
    return settings;
}

namespace {

const ExtraDescriptorLine *findLine(const QList<ExtraDescriptorLine> &lines, const QString &key)
{
    for (const ExtraDescriptorLine &line : lines) {
        if (line.key.compare(key, Qt::CaseInsensitive) == 0)
            return &line;
    }
    return nullptr;
}

} // namespace

bool writeProjectSettings(ProfileDocument &doc, const QString &project, const ProjectSettings &held,
                          const ProjectSettings &changed)
{
    ProfileDocument written = doc;
    for (const QString &key : kProjectSettingKeys) {
        const QString value = projectSettingValue(changed, key);
        if (value != projectSettingValue(held, key) && !written.setValue(project, key, value))
            return false;
    }
    for (const ExtraDescriptorLine &line : held.extraLines) {
        if (!findLine(changed.extraLines, line.key))
            written.removeKey(project, line.key);
    }
    for (const ExtraDescriptorLine &line : changed.extraLines) {
        const ExtraDescriptorLine *before = findLine(held.extraLines, line.key);
        if ((!before || *before != line) && !written.setValue(project, line.key, line.value))
            return false;
    }
    doc = written;
    return true;
}
