#include "build/jam_writer.h"

#include "app/line_ends.h"
#include "app/opened_project.h"
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

QString monthName(int month)
{
    static const char *const names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Some handsets mis-read "Apr": April is written as "Mar".
    return QLatin1String(month == 4 ? "Mar" : names[month - 1]);
}

QString lastModified(const QDateTime &now)
{
    const QDate date = now.date();
    return QStringLiteral("%1, %2 %3 %4 %5")
        .arg(weekdayName(date.dayOfWeek()))
        .arg(date.day())
        .arg(monthName(date.month()))
        .arg(date.year(), 4, 10, QLatin1Char('0'))
        .arg(now.time().toString(QStringLiteral("HH:mm:ss")));
}

} // namespace

QString MakeJamText(const OpenedProject &project, const QDateTime &now)
{
    QStringList lines;
    lines << QStringLiteral("PackageURL = ") + project.name + QStringLiteral(".jar");
    // Measured now; without an archive to measure the line is left out.
    const QFileInfo archive(project.paths.archive());
    if (archive.isFile())
        lines << QStringLiteral("AppSize = ") + QString::number(archive.size());
    lines << QStringLiteral("AppName = ") + project.name;
    lines << QStringLiteral("AppVer = %1.%2").arg(project.major).arg(project.minor);
    lines << QStringLiteral("AppParam = ");
    lines << QStringLiteral("AppClass = ") + project.name;
    lines << QStringLiteral("SPsize = ");
    lines << QStringLiteral("LastModified = ") + lastModified(now);
    lines << QStringLiteral("KvmVer = ");
    return lines.join(kCrLf) + kCrLf;
}

Result<> WriteJamFile(const OpenedProject &project, const QDateTime &now)
{
    return writeCodePageFile(project.paths.descriptor(), MakeJamText(project, now) + kCrLf);
}
