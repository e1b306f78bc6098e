#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <climits>

class QPalette;

// Java 1.3 source colouring: keywords, literals (numbers, true, false,
// null), strings and characters, line comments and block comments that run
// over several lines.
class JavaHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    enum class Category { Keyword, Literal, String, Comment };

    // The colours suit the palette's base colour, light or dark.
    JavaHighlighter(QTextDocument *document, const QPalette &palette);

    void setPalette(const QPalette &palette);
    QTextCharFormat categoryFormat(Category category) const;
    // Lines after this one are left as they are, so that a long source can
    // be coloured in slices from the top (every line: INT_MAX).
    void setColouredUpTo(int blockNumber) { m_colouredUpTo = blockNumber; }

protected:
    void highlightBlock(const QString &text) override;

private:
    int highlightComment(const QString &text, int start, int bodyStart);

    QTextCharFormat m_formats[4];
    int m_colouredUpTo = INT_MAX;
};
