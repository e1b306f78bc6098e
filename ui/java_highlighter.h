#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

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

protected:
    void highlightBlock(const QString &text) override;

private:
    int highlightComment(const QString &text, int start, int bodyStart);

    QTextCharFormat m_formats[4];
};
