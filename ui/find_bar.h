#pragma once

#include <QWidget>

class QAbstractButton;
class QToolButton;
class QLineEdit;
class QPlainTextEdit;

// Find, and find and replace, in an editor: found as the text is typed,
// Enter or F3 for the next place, Shift+Enter or Shift+F3 for the previous,
// Esc closes. A replace-all is one undo step.
class FindBar : public QWidget
{
    Q_OBJECT
public:
    explicit FindBar(QPlainTextEdit *editor, QWidget *parent = nullptr);

    void openFind();
    void openReplace();
    void dismiss();

    bool find(bool forward);
    void replace();
    int replaceAll();

    QLineEdit *findField() const { return m_findText; }
    QLineEdit *replaceField() const { return m_replaceText; }
    QAbstractButton *caseToggle() const;

Q_SIGNALS:
    // What the bar has to say: nothing found, wrapped around, how many replaced.
    void said(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open(bool withReplace);
    void findAsTyped();
    bool findFrom(int position, bool forward);
    bool selectionMatches() const;
    void say(const QString &text, bool notFound = false);

    QPlainTextEdit *m_editor;
    QLineEdit *m_findText = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QToolButton *m_matchCase = nullptr;
    QList<QWidget *> m_replaceRow;
};
