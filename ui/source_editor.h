#pragma once

#include <QPlainTextEdit>

class QKeyEvent;

// True for the keys of the Edit menu's Cut, Copy and Paste (Ctrl+X, Ctrl+C,
// Ctrl+V), which belong to the window's menu and not to a text box.
bool isEditMenuShortcut(const QKeyEvent *event);

// The source editor. Ctrl+X, Ctrl+C and Ctrl+V are left to the main window's
// Edit menu, so they run exactly once wherever the focus is; the editor's own
// context menu and drag and drop exchange the same plain CR LF text.
class SourceEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit SourceEditor(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

// For other text boxes of the window (the log pane): lets the Edit menu's
// shortcuts through to the window instead of acting on the box.
class EditMenuShortcutPassThrough : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
