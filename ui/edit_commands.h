#pragma once

class QPlainTextEdit;

// Cut, Copy and Paste on the source editor through the system clipboard,
// in plain text with CR LF line ends.
void CutToClipboard(QPlainTextEdit *box);
void CopyToClipboard(QPlainTextEdit *box);
void PasteFromClipboard(QPlainTextEdit *box);
