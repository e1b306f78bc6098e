#include "ui/find_bar.h"

#include <QAction>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <functional>

namespace {

QToolButton *makeButton(const QString &text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

// Keys that act wherever the focus is in the window, while the bar is shown.
void addWindowKey(QWidget *bar, const QKeySequence &key, std::function<void()> slot)
{
    auto *action = new QAction(bar);
    action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, bar, std::move(slot));
    bar->addAction(action);
}

QTextDocument::FindFlags findFlags(const QToolButton *matchCase, bool forward)
{
    QTextDocument::FindFlags flags;
    if (matchCase->isChecked())
        flags |= QTextDocument::FindCaseSensitively;
    if (!forward)
        flags |= QTextDocument::FindBackward;
    return flags;
}

} // namespace

FindBar::FindBar(QPlainTextEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    m_findText = new QLineEdit(this);
    m_replaceText = new QLineEdit(this);
    m_matchCase = makeButton(QStringLiteral("Aa"), this);
    m_matchCase->setCheckable(true);
    m_matchCase->setToolTip(QStringLiteral("大文字と小文字を区別する"));
    QToolButton *previous = makeButton(QStringLiteral("前へ"), this);
    QToolButton *next = makeButton(QStringLiteral("次へ"), this);
    QToolButton *closeButton = makeButton(QStringLiteral("×"), this);
    closeButton->setToolTip(QStringLiteral("閉じる (Esc)"));
    QToolButton *replaceOne = makeButton(QStringLiteral("置換"), this);
    QToolButton *replaceEvery = makeButton(QStringLiteral("すべて置換"), this);
    auto *replaceLabel = new QLabel(QStringLiteral("置換:"), this);
    m_replaceRow = {replaceLabel, m_replaceText, replaceOne, replaceEvery};

    // Narrow enough for the window at its smallest.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("検索:"), this), 0, 0);
    grid->addWidget(m_findText, 0, 1);
    grid->addWidget(previous, 0, 2);
    grid->addWidget(next, 0, 3);
    grid->addWidget(m_matchCase, 0, 4);
    grid->addWidget(closeButton, 0, 5);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(m_replaceText, 1, 1);
    grid->addWidget(replaceOne, 1, 2);
    grid->addWidget(replaceEvery, 1, 3, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    connect(m_findText, &QLineEdit::textEdited, this, &FindBar::findAsTyped);
    connect(m_matchCase, &QToolButton::toggled, this, &FindBar::findAsTyped);
    connect(previous, &QToolButton::clicked, this, [this] { find(false); });
    connect(next, &QToolButton::clicked, this, [this] { find(true); });
    connect(closeButton, &QToolButton::clicked, this, &FindBar::dismiss);
    connect(replaceOne, &QToolButton::clicked, this, &FindBar::replace);
    connect(replaceEvery, &QToolButton::clicked, this, &FindBar::replaceAll);
    m_findText->installEventFilter(this);
    m_replaceText->installEventFilter(this);
    addWindowKey(this, QKeySequence(Qt::Key_F3), [this] { find(true); });
    addWindowKey(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { find(false); });
    addWindowKey(this, QKeySequence(Qt::Key_Escape), [this] { dismiss(); });
    hide();
}

void FindBar::openFind()
{
    open(false);
}

void FindBar::openReplace()
{
    open(true);
}

void FindBar::open(bool withReplace)
{
    for (QWidget *widget : std::as_const(m_replaceRow))
        widget->setVisible(withReplace);
    // A selection within one line is what the user means to look for.
    const QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection() && cursor.block().contains(cursor.selectionEnd()))
        m_findText->setText(cursor.selectedText());
    say(QString());
    show();
    m_findText->selectAll();
    m_findText->setFocus(Qt::ShortcutFocusReason);
}

void FindBar::dismiss()
{
    hide();
    m_editor->setFocus(Qt::OtherFocusReason);
}

QAbstractButton *FindBar::caseToggle() const
{
    return m_matchCase;
}

// Tab goes between the bar's fields; the editor, the bar's parent, would
// take it for an indent.
bool FindBar::focusNextPrevChild(bool)
{
    const bool toReplace = m_findText->hasFocus() && m_replaceText->isVisible();
    (toReplace ? m_replaceText : m_findText)->setFocus(Qt::TabFocusReason);
    return true;
}

// Keys the fields leave alone stop here rather than edit the text behind.
void FindBar::keyPressEvent(QKeyEvent *event)
{
    event->accept();
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_replaceText)
                replace();
            else
                find(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Typing more of the text keeps the place found so far when it still matches.
void FindBar::findAsTyped()
{
    const int start = m_editor->textCursor().selectionStart();
    if (m_findText->text().isEmpty()) {
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(start);
        m_editor->setTextCursor(cursor);
        say(QString());
        return;
    }
    findFrom(start, true);
}

bool FindBar::find(bool forward)
{
    if (m_findText->text().isEmpty())
        return false;
    const QTextCursor cursor = m_editor->textCursor();
    return findFrom(forward ? cursor.selectionEnd() : cursor.selectionStart(), forward);
}

bool FindBar::findFrom(int position, bool forward)
{
    QTextDocument *document = m_editor->document();
    const QString text = m_findText->text();
    const QTextDocument::FindFlags flags = findFlags(m_matchCase, forward);
    QTextCursor from(document);
    from.setPosition(position);
    QTextCursor found = document->find(text, from, flags);
    bool wrapped = false;
    if (found.isNull()) {
        from.movePosition(forward ? QTextCursor::Start : QTextCursor::End);
        found = document->find(text, from, flags);
        wrapped = true;
    }
    if (found.isNull()) {
        say(QStringLiteral("見つかりません。"), true);
        return false;
    }
    say(wrapped ? QStringLiteral("折り返して検索しました。") : QString());
    m_editor->setTextCursor(found);
    m_editor->ensureCursorVisible();
    return true;
}

bool FindBar::selectionMatches() const
{
    const Qt::CaseSensitivity sensitivity = m_matchCase->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QTextCursor cursor = m_editor->textCursor();
    return cursor.hasSelection() && cursor.selectedText().compare(m_findText->text(), sensitivity) == 0;
}

void FindBar::replace()
{
    if (selectionMatches())
        m_editor->textCursor().insertText(m_replaceText->text());
    find(true);
}

int FindBar::replaceAll()
{
    const QString text = m_findText->text();
    if (text.isEmpty())
        return 0;
    QTextDocument *document = m_editor->document();
    const QTextDocument::FindFlags flags = findFlags(m_matchCase, true);
    int count = 0;
    QTextCursor edit(document);
    edit.beginEditBlock();
    for (QTextCursor found = document->find(text, 0, flags); !found.isNull(); found = document->find(text, found, flags)) {
        found.insertText(m_replaceText->text());
        ++count;
    }
    edit.endEditBlock();
    say(count == 0 ? QStringLiteral("見つかりません。") : QStringLiteral("%1件置換しました。").arg(count), count == 0);
    return count;
}

void FindBar::say(const QString &text, bool notFound)
{
    // The text turns red while it is nowhere in the source.
    QPalette palette;
    if (notFound)
        palette.setColor(QPalette::Text, QColor(0xd0, 0x30, 0x30));
    m_findText->setPalette(palette);
    if (!text.isEmpty())
        Q_EMIT said(text);
}
