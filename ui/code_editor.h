#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <climits>

class JavaHighlighter;
class QHelpEvent;
class QTimer;
class SourceLayout;

// A place in the text to mark, with what to say about it. Line and column
// are 1-based; column 0 marks the line from its first non-blank character.
struct LineMark
{
    int line = 0;
    int column = 0;
    QString message;
};

// A plain-text editor for source code: line numbers in a gutter left of the
// text, the current line lightly marked, Java colouring, marks on lines with
// their message as tool tip, and indents in steps of four spaces.
class CodeEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    static constexpr int kIndentStep = 4;

    explicit CodeEditor(QWidget *parent = nullptr);
    ~CodeEditor() override;

    void setHighlighting(bool on);
    // Replaces the text, without undo steps and unchanged. Lines in view are
    // coloured at once, the rest in slices while the window waits for input.
    void loadText(const QString &text);
    bool isColouringDone() const;
    JavaHighlighter *highlighter() const { return m_highlighter; }
    // A panel between the text and the horizontal scroll bar (the find bar);
    // its owner shows and hides it.
    void setBottomPanel(QWidget *panel);

    // A mark goes away when its line is edited.
    void setLineMarks(const QList<LineMark> &marks);
    void clearLineMarks();
    int lineMarkCount() const;
    QString lineMarkMessage(int line) const;
    // The cursor to the mark given to setLineMarks as marks[index]; false
    // when that mark has gone away.
    bool goToLineMark(int index);
    // The cursor to the next or previous mark, wrapping around.
    bool goToNextLineMark(bool forward);
    void goToPosition(int line, int column);

    int gutterWidth() const;
    void paintGutter(QPaintEvent *event, QWidget *gutter);
    int lineAt(int y) const;
    // A tool tip request over a line: its marks' messages, or no tip.
    void showLineMarkTip(const QHelpEvent *help, int line, QWidget *owner) const;

Q_SIGNALS:
    // Marks were set, or one went away with its line's edit.
    void lineMarksChanged();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Mark
    {
        QTextCursor lineStart;
        int column = 0;
        QString message;
        QString lineText;
        bool inPlace = true;
    };

    void updateMargins();
    void placePanels();
    void updateGutter(const QRect &rect, int dy);
    void updateExtraSelections();
    void dropEditedMarks();
    void updateTabStops();
    void colourNextSlice();
    int markPosition(const Mark &mark) const;
    bool hasMarkOnLine(int line) const;
    void showMark(int index);

    static QString leadingBlanks(const QString &line);
    void insertNewLine();
    void insertTab();
    void indentLines(int steps);

    QWidget *m_gutter = nullptr;  // the line numbers
    QWidget *m_bottomPanel = nullptr;
    SourceLayout *m_layout = nullptr;
    JavaHighlighter *m_highlighter = nullptr;
    QList<Mark> m_marks;
    int m_currentMark = -1;
    QTimer *m_colouring = nullptr;
    int m_colouredUpTo = INT_MAX;
};
