#pragma once

#include <QString>
#include <QStringList>

// Splits a command line the way the Windows tools split theirs: blanks
// separate arguments, a double quote opens or closes a quoted stretch and is
// dropped. An argument with an unquoted * or ? is expanded against the
// folder (sorted, hidden entries left out) and kept as it stands when
// nothing matches. No shell ever sees the line.
QStringList splitCommandLine(const QString &line, const QString &workingDirectory);
