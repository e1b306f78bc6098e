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
