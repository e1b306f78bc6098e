#include "ui/edit_commands.h"

// Stub: filled in with the edit commands.
void CutToClipboard(QPlainTextEdit *) {}
void CopyToClipboard(QPlainTextEdit *) {}
void PasteFromClipboard(QPlainTextEdit *) {}
