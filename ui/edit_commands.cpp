#include "ui/edit_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>

QString clipboardTextOfSelection(const QTextCursor &cursor)
{
    // The document marks line breaks inside a selection with the Unicode
    // separators; other programs expect CR LF.
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    text.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

QMimeData *plainTextMimeData(const QString &text)
{
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

void replaceSelection(QPlainTextEdit *box, const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = box->textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertText(lines);
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
