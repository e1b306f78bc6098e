#pragma once

#include "app/workbench.h"
#include "ui/code_editor.h"

#include <QPlainTextEdit>

class QKeyEvent;

// The editor and the log alike: no wrapping, both scroll bars always, the
// system's fixed-pitch font.
void setUpPane(QPlainTextEdit *pane, const QString &name);

// True for the keys of the Edit menu's Cut, Copy and Paste (Ctrl+X, Ctrl+C,
// Ctrl+V), which belong to the window's menu and not to a text box.
bool isEditMenuShortcut(const QKeyEvent *event);

// The source editor, coloured as Java. Ctrl+X, Ctrl+C and Ctrl+V are left to
// the main window's Edit menu, so they run exactly once wherever the focus
// is; the editor's own context menu and drag and drop exchange the same plain
// CR LF text, which is also the text the actions read and replace.
class SourceEditor : public CodeEditor, public Workbench
{
    Q_OBJECT
public:
    explicit SourceEditor(QWidget *parent = nullptr);

    QString sourceText() const override;
    void setSourceText(const QString &text) override;
    bool isSourceModified() const override;
    void setSourceModified(bool modified) override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

// The log pane, read-only. Ctrl+C copies its own selection and Ctrl+A
// selects all of it, though the Edit menu's Copy acts on the editor; what it
// copies is plain text with CR LF line ends, like the editor's.
class LogPane : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LogPane(QWidget *parent = nullptr);

Q_SIGNALS:
    void lineDoubleClicked(int line);  // 0-based

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
};
