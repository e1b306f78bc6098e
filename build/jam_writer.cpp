#include "build/jam_writer.h"

#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/project_files.h"
#include "app/text_file.h"

#include <QFileInfo>
#include <QStringList>

namespace {


// English names whatever the locale: the handsets read only these.
QString weekdayName(int dayOfWeek)
{
    static const char *const names[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return QLatin1String(names[dayOfWeek - 1]);
}

// The 503i series must not read "Apr" (DOJA-NOTES): April is written as
// "Mar" unless the project is made for a later profile, where it would make
// a newer version look older.
QString monthName(int month, bool aprilAsMarch)
{
    static const char *const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return QLatin1String(month == 4 && aprilAsMarch ? "Mar" : names[month - 1]);
}

QString lastModified(const QDateTime &now, bool aprilAsMarch)
{
    const QDate date = now.date();
    return QStringLiteral("%1, %2 %3 %4 %5")
        .arg(weekdayName(date.dayOfWeek()))
        .arg(date.day())
        .arg(monthName(date.month(), aprilAsMarch))
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(now.time().toString(QStringLiteral("HH:mm:ss")));
}

QString line(const QString &key, const QString &value)
{
    return key + QStringLiteral(" = ") + value;
}

// The lines after the nine every descriptor has, each only when set, in a
// fixed order: the settings' own keys, what the profile implies, then the
// user's extra lines as listed.
QStringList linesAfterLast(const ProjectSettings &settings)
{
    QStringList lines;
    for (const char *key : {"UseNetwork", "UseBrowser", "TargetDevice", "DrawArea", "AppTrace"}) {
        const QString value = projectSettingValue(settings, QLatin1String(key));
        if (!value.isEmpty())
            lines << line(QLatin1String(key), value);
    }
    const QString &profile = settings.TargetProfile;
    if (!profile.isEmpty()) {
        // 503i handsets (DoJa-1.0) know no ProfileVer line.
        if (profile != kDojaProfiles.first())
            lines << line(QStringLiteral("ProfileVer"), profile);
        lines << line(QStringLiteral("ConfigurationVer"), configurationOf(profile));
    }
    for (const ExtraDescriptorLine &extra : settings.extraLines)
        lines << line(extra.key, extra.value);
    return lines;
}

} // namespace

QString configurationOf(const QString &profile)
{
    // CLDC 1.1 came with DoJa-4.0 (DOJA-NOTES).
    return kDojaProfiles.indexOf(profile) >= kDojaProfiles.indexOf(QStringLiteral("DoJa-4.0"))
               ? QStringLiteral("CLDC-1.1")
               : QStringLiteral("CLDC-1.0");
}

QString MakeJamText(const OpenedProject &project, const QDateTime &now)
{
    const ProjectSettings &settings = project.settings;
    QStringList lines;
    lines << QStringLiteral("PackageURL = ") + project.name + QStringLiteral(".jar");
    // Measured now; without an archive to measure the line is left out.
    const QFileInfo archive(project.paths.archive());
    if (archive.isFile())
        lines << QStringLiteral("AppSize = ") + QString::number(archive.size());
    lines << QStringLiteral("AppName = ") + effectiveAppName(project);
    lines << QStringLiteral("AppVer = %1.%2").arg(project.major).arg(project.minor);
    lines << QStringLiteral("AppParam = ") + settings.AppParam;
    lines << QStringLiteral("AppClass = ") + mainClass(project);
    lines << QStringLiteral("SPsize = ") + settings.SPsize;
    const bool aprilAsMarch = settings.TargetProfile.isEmpty() || settings.TargetProfile == kDojaProfiles.first();
    lines << QStringLiteral("LastModified = ") + lastModified(now, aprilAsMarch);
    lines << QStringLiteral("KvmVer = ");
    lines << linesAfterLast(settings);
    return lines.join(kCrLf) + kCrLf;
}

QString effectiveAppName(const OpenedProject &project)
{
    return project.settings.AppName.isEmpty() ? project.name : project.settings.AppName;
}

Result<> WriteJamFile(const OpenedProject &project, const QDateTime &now)
{
    return writeCodePageFile(project.paths.descriptor(), MakeJamText(project, now) + kCrLf);
}
