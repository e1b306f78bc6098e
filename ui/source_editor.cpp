#include "ui/source_editor.h"

#include "app/line_ends.h"
#include "ui/edit_commands.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// Declining the override lets the shortcut map hand the key to the window's
// action; declining the key press keeps the editor from acting on its own
// when no action takes the key.
bool declineEditMenuKey(QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!isEditMenuShortcut(static_cast<QKeyEvent *>(event)))
        return false;
    event->ignore();
    return true;
}

} // namespace

bool isEditMenuShortcut(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::ControlModifier)
        return false;
    const int key = event->key();
    return key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V;
}

SourceEditor::SourceEditor(QWidget *parent) : CodeEditor(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHighlighting(true);
}

bool SourceEditor::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && declineEditMenuKey(event))
        return true;
    return CodeEditor::event(event);
}

void SourceEditor::keyPressEvent(QKeyEvent *event)
{
    if (declineEditMenuKey(event))
        return;
    CodeEditor::keyPressEvent(event);
}

QMimeData *SourceEditor::createMimeDataFromSelection() const
{
    return plainTextMimeData(clipboardTextOfSelection(textCursor()));
}

bool SourceEditor::canInsertFromMimeData(const QMimeData *source) const
{
    // Like the Edit menu's Paste: content without text still replaces the
    // selection, by nothing.
    return source != nullptr;
}

void SourceEditor::insertFromMimeData(const QMimeData *source)
{
    replaceSelection(this, source->hasText() ? source->text() : QString());
}

void setUpPane(QPlainTextEdit *pane, const QString &name)
{
    pane->setObjectName(name);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

QString SourceEditor::sourceText() const
{
    // The file has no separators, and the code page no such characters.
    return separatorsToCrLf(document()->toRawText());
}

void SourceEditor::setSourceText(const QString &text)
{
    loadText(forPane(text));
}

bool SourceEditor::isSourceModified() const
{
    return document()->isModified();
}

void SourceEditor::setSourceModified(bool modified)
{
    document()->setModified(modified);
}

LogPane::LogPane(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
}

bool LogPane::event(QEvent *event)
{
    // Taking the override keeps the key from the window's shortcuts and
    // hands it to the pane's own key handling.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void LogPane::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    Q_EMIT lineDoubleClicked(cursorForPosition(event->position().toPoint()).blockNumber());
}

QMimeData *LogPane::createMimeDataFromSelection() const
{
    return plainTextMimeData(clipboardTextOfSelection(textCursor()));
}
