#pragma once

class QMimeData;
class QPlainTextEdit;
class QString;
class QTextCursor;

// Cut, Copy and Paste on the source editor through the system clipboard,
// in plain text with CR LF line ends.
void CutToClipboard(QPlainTextEdit *box);
void CopyToClipboard(QPlainTextEdit *box);
void PasteFromClipboard(QPlainTextEdit *box);

// The selection as it goes to the clipboard: line breaks as CR LF.
QString clipboardTextOfSelection(const QTextCursor &cursor);
// Clipboard content that holds this text and nothing else.
QMimeData *plainTextMimeData(const QString &text);
// Replaces the selection (or inserts at the caret) by text; CR LF, LF and
// CR each become one line break. An empty text deletes the selection.
void replaceSelection(QPlainTextEdit *box, const QString &text);
