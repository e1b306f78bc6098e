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

void addLine(QList<BudgetLine> &lines, const QString &what, qint64 size, qint64 limitKb, const QString &profile)
{
    if (limitKb == 0) {
        lines.append({QStringLiteral("%1 %2 バイト").arg(what, bytes(size)), false});
        return;
    }
    const qint64 limit = limitKb * 1024;
    const int percent = qRound(100.0 * double(size) / double(limit));
    lines.append({QStringLiteral("%1 %2 / %3 バイト (%4%) %5").arg(what, bytes(size), bytes(limit)).arg(percent).arg(profile),
                  size > limit});
    if (size > limit)
        lines.append({QStringLiteral("警告: %1が%2の上限を%3バイト超えています。").arg(what, profile, bytes(size - limit)),
                      true});
}

} // namespace

QList<BudgetLine> handsetBudget(qint64 jarBytes, const QList<qint64> &scratchpads, const QString &profile)
{
    const qint64 scratchpad = std::accumulate(scratchpads.cbegin(), scratchpads.cend(), qint64(0));
    const QString jar = QStringLiteral("JAR");
    const QString pad = QStringLiteral("スクラッチパッド");
    const Limits *limits = nullptr;
    for (const Limits &row : kLimits) {
        if (profile == QLatin1String(row.profile))
            limits = &row;
    }
    QList<BudgetLine> lines;
    if (limits && limits->scratchpadKb == 0) {
        addLine(lines, scratchpads.isEmpty() ? jar : jar + QLatin1Char('+') + pad, jarBytes + scratchpad, limits->jarKb,
                profile);
        return lines;
    }
    addLine(lines, jar, jarBytes, limits ? limits->jarKb : 0, profile);
    if (!scratchpads.isEmpty())
        addLine(lines, pad, scratchpad, limits ? limits->scratchpadKb : 0, profile);
    return lines;
}
