#pragma once

#include <QByteArray>
#include <QByteArray>
#include <QList>
#include <QString>

// CR LF is the line end of every file the program writes and of the log.
// The other texts are converted here and nowhere else.
inline const QString kCrLf = QStringLiteral("\r\n");

// Every line followed by CR LF, the last one included. A line ends at CR LF,
// a lone CR or a lone LF, so files from any system read as the same lines.
QString withCrLfLines(const QString &text);
// Tool output (LF) as log text: each LF becomes CR LF.
QString NormalizeOutput(const QString &output);
// Log text for a stream: CR LF, and the CR CR LF that converted tool output
// may hold, become LF.
QString toLfLineEnds(const QString &text);

// Log text that grows piece by piece, for a stream, as toLfLineEnds makes it
// of the whole: a CR at the end of a piece may begin a CR LF, so it waits
// for the next piece to show what it ends.
class LfLineEndStream
{
public:
    // What can be written now.
    QString convert(const QString &piece);
    // What was held back, as it stands, at the end of the text.
    QString finish();

private:
    QString m_heldBack;
};

// A file's lines as bytes, each with the end it had. A line ends at CR LF,
// LF or a lone CR; neither byte can be the second byte of a double-byte
// character, so a file in the code page can be cut before it is decoded.
struct ByteLine {
    QByteArray text;
    QByteArray end;  // "\r\n", "\n", "\r", or empty for an unended last line
};
QList<ByteLine> splitByteLines(const QByteArray &bytes);

// A text file's bytes as FTP's text mode carries them: every LF preceded by
// exactly one CR, also where the file has a lone LF.
QByteArray withCrLfBeforeEveryLf(const QByteArray &bytes);

// Text for a pane, whose document breaks lines at LF: every CR goes, so
// CR LF and CR CR LF end a line once and a lone CR makes none.
QString forPane(QString text);
// Pasted text for the editor: CR LF, a lone CR and a lone LF each become LF.
QString pastedLines(QString text);
// A document's line breaks (its paragraph separators, and the line
// separator Shift+Enter makes inside a block) as CR LF.
QString separatorsToCrLf(QString text);
