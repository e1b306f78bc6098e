#pragma once

#include <QString>

// CR LF is the line end of every file the program writes and of the log.
// The other texts are converted here and nowhere else.
inline const QString kCrLf = QStringLiteral("\r\n");

// Every line followed by CR LF, the last one included. A line ends at CR LF,
// a lone CR or a lone LF, so files from any system read as the same lines.
QString withCrLfLines(const QString &text);
// Tool output (LF) as log text: each LF becomes CR LF.
QString lfToCrLf(const QString &text);
// Log text for a stream: CR LF, and the CR CR LF that converted tool output
// may hold, become LF.
QString toLfLineEnds(const QString &text);

// Text for a pane, whose document breaks lines at LF: every CR goes, so
// CR LF and CR CR LF end a line once and a lone CR makes none.
QString forPane(QString text);
// Pasted text for the editor: CR LF, a lone CR and a lone LF each become LF.
QString pastedLines(QString text);
// A document's line breaks (its paragraph separators, and the line
// separator Shift+Enter makes inside a block) as CR LF.
QString separatorsToCrLf(QString text);
