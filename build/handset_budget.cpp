#include "build/handset_budget.h"

#include <QLocale>
#include <numeric>

namespace {

// Limits in KB of 1024 bytes, as DOJA-NOTES lists them per profile; a
// profile without a scratchpad limit counts both against the archive's.
struct Limits {
    const char *profile;
    qint64 jarKb;
    qint64 scratchpadKb;
};
constexpr Limits kLimits[] = {
    {"DoJa-1.0", 10, 5},    {"DoJa-2.0", 30, 100},  {"DoJa-2.1", 30, 100},
    {"DoJa-3.0", 30, 200},  {"DoJa-3.5", 100, 400}, {"DoJa-4.0", 100, 400},
    {"DoJa-4.1", 100, 400}, {"DoJa-5.0", 1024, 0},  {"DoJa-5.1", 1024, 0},
};

QString bytes(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

struct Measure {
    QString what;
    QString brief;  // what, shorter
    qint64 size;
};

void addLine(QList<BudgetLine> &lines, const Measure &measure, qint64 limitKb, const QString &profile)
{
    const QString size = bytes(measure.size);
    if (limitKb == 0) {
        lines.append({QStringLiteral("%1 %2 バイト").arg(measure.what, size),
                      QStringLiteral("%1 %2バイト").arg(measure.brief, size), false});
        return;
    }
    const qint64 limit = limitKb * 1024;
    const qint64 percent = qRound64(100.0 * double(measure.size) / double(limit));
    const bool over = measure.size > limit;
    lines.append({QStringLiteral("%1 %2 / %3 バイト (%4%) %5").arg(measure.what, size, bytes(limit)).arg(percent).arg(profile),
                  QStringLiteral("%1 %2%").arg(measure.brief).arg(percent), over});
    if (over)
        lines.append({QStringLiteral("警告: %1が%2の上限を%3バイト超えています。")
                          .arg(measure.what, profile, bytes(measure.size - limit)),
                      QString(), true});
}

} // namespace

QList<BudgetLine> handsetBudget(qint64 jarBytes, const QList<qint64> &scratchpads, const QString &profile)
{
    const qint64 scratchpad = std::accumulate(scratchpads.cbegin(), scratchpads.cend(), qint64(0));
    const Measure jar{QStringLiteral("JAR"), QStringLiteral("JAR"), jarBytes};
    const Measure pad{QStringLiteral("スクラッチパッド"), QStringLiteral("SP"), scratchpad};
    const Limits *limits = nullptr;
    for (const Limits &row : kLimits) {
        if (profile == QLatin1String(row.profile))
            limits = &row;
    }
    QList<BudgetLine> lines;
    if (limits && limits->scratchpadKb == 0) {
        const Measure both{jar.what + QLatin1Char('+') + pad.what, jar.brief + QLatin1Char('+') + pad.brief,
                           jarBytes + scratchpad};
        addLine(lines, scratchpads.isEmpty() ? jar : both, limits->jarKb, profile);
        return lines;
    }
    addLine(lines, jar, limits ? limits->jarKb : 0, profile);
    if (!scratchpads.isEmpty())
        addLine(lines, pad, limits ? limits->scratchpadKb : 0, profile);
    return lines;
}

QString shrinkGainLine(qint64 before, qint64 after)
{
    const int percent = before > 0 ? qRound(100.0 * double(after - before) / double(before)) : 0;
    const QString sign = percent > 0 ? QStringLiteral("+") : QString();
    return QStringLiteral("縮小: %1 → %2 バイト (%3%4%)").arg(bytes(before), bytes(after), sign).arg(percent);
}
