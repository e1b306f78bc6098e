#include "ui/edit_commands.h"

#include "app/line_ends.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

QString clipboardTextOfSelection(const QTextCursor &cursor)
{
    // Other programs expect CR LF where the document has its separators.
    return separatorsToCrLf(cursor.selectedText());
}

QMimeData *plainTextMimeData(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

void replaceSelection(QPlainTextEdit *box, const QString &text)
{
    QTextCursor cursor = box->textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(pastedLines(text));
    cursor.endEditBlock();
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void CutToClipboard(QPlainTextEdit *box)
{
    CopyToClipboard(box);
    QTextCursor cursor = box->textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.removeSelectedText();
    box->setTextCursor(cursor);
}

void CopyToClipboard(QPlainTextEdit *box)
{
    // New content replaces every format the clipboard held, so this also
    // clears it: with nothing selected it holds an empty text.
    QGuiApplication::clipboard()->setMimeData(plainTextMimeData(clipboardTextOfSelection(box->textCursor())));
}

void PasteFromClipboard(QPlainTextEdit *box)
{
    // text() is empty when the clipboard holds no text (say, only a picture).
    replaceSelection(box, QGuiApplication::clipboard()->text());
}
