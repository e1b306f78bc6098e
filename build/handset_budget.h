#pragma once

#include <QList>
#include <QString>

// One line of what a build takes of the handset: its size against the
// target profile's limit, or the size alone without a target.
struct BudgetLine {
    QString text;
    QString brief;  // for the status bar ("JAR 74%"); empty for a warning
    bool over = false;
};

// The archive's line, the scratchpad's (when the project asks for one), and
// a warning for each that is over its limit. DoJa-5.x handsets count the
// two together.
QList<BudgetLine> handsetBudget(qint64 jarBytes, const QList<qint64> &scratchpads, const QString &profile);

// What shrinking gained, for the line before the archive's:
// "縮小: 12,345 → 7,890 バイト (-36%)", counted on the class files before
// and after, since the archive is only packed from the shrunk ones.
QString shrinkGainLine(qint64 before, qint64 after);
