#include "ui/java_highlighter.h"

#include <QPalette>
#include <QRegularExpression>
#include <QSet>
#include <QStringView>
#include <QTextBlock>

namespace {

// A line not coloured yet keeps QTextBlock's -1, so colouring any line
// changes its state and the highlighter goes on to the next one.
enum BlockState { Code = 0, InComment = 1 };

// One pass from left to right: whichever token starts first wins, so a "//"
// inside a string or a quote inside a comment is taken for what it is.
const QRegularExpression &tokenPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "(?<lineComment>//.*)"
        "|(?<blockComment>/\\*)"
        "|(?<string>\"(?:[^\"\\\\]|\\\\.)*\"?)"
        "|(?<character>'(?:[^'\\\\]|\\\\.)*'?)"
        "|(?<number>(?:0[xX][0-9a-fA-F]+|(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)[lLfFdD]?)"
        "|(?<word>[\\p{L}_$][\\p{L}\\p{N}_$]*)"));
    return pattern;
}

const QSet<QStringView> &keywords()
{
    // The reserved words of the Java language up to 1.3 (no assert, no enum).
    static const QSet<QStringView> words = {
        u"abstract", u"boolean", u"break", u"byte", u"case", u"catch", u"char", u"class", u"const",
        u"continue", u"default", u"do", u"double", u"else", u"extends", u"final", u"finally", u"float",
        u"for", u"goto", u"if", u"implements", u"import", u"instanceof", u"int", u"interface", u"long",
        u"native", u"new", u"package", u"private", u"protected", u"public", u"return", u"short",
        u"static", u"strictfp", u"super", u"switch", u"synchronized", u"this", u"throw", u"throws",
        u"transient", u"try", u"void", u"volatile", u"while"};
    return words;
}

bool isLiteralWord(QStringView word)
{
    return word == u"true" || word == u"false" || word == u"null";
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

QTextCharFormat coloured(const QColor &colour, bool italic = false)
{
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontItalic(italic);
    return format;
}

} // namespace

JavaHighlighter::JavaHighlighter(QTextDocument *document, const QPalette &palette)
    : QSyntaxHighlighter(document)
{
    setPalette(palette);
}

void JavaHighlighter::setPalette(const QPalette &palette)
{
    // Each colour keeps a contrast of at least 5:1 against a white base,
    // and against a dark one up to #2a2a2a.
    const bool dark = isDark(palette);
    m_formats[int(Category::Keyword)] = coloured(dark ? QColor(0x82, 0xaa, 0xff) : QColor(0x00, 0x00, 0xb0));
    m_formats[int(Category::Literal)] = coloured(dark ? QColor(0xf7, 0x8c, 0x6c) : QColor(0xa0, 0x40, 0x00));
    m_formats[int(Category::String)] = coloured(dark ? QColor(0xa5, 0xd6, 0x7a) : QColor(0x00, 0x70, 0x00));
    m_formats[int(Category::Comment)] = coloured(dark ? QColor(0x9a, 0xa4, 0xb2) : QColor(0x6a, 0x6a, 0x6a), true);
    rehighlight();
}

QTextCharFormat JavaHighlighter::categoryFormat(Category category) const
{
    return m_formats[int(category)];
}

void JavaHighlighter::highlightBlock(const QString &text)
{
    // Its state is kept too, so the lines after it are not taken in.
    if (currentBlock().blockNumber() > m_colouredUpTo)
        return;
    setCurrentBlockState(Code);
    int position = previousBlockState() == InComment ? highlightComment(text, 0, 0) : 0;
    while (position >= 0 && position < text.size()) {
        const QRegularExpressionMatch token = tokenPattern().match(text, position);
        if (!token.hasMatch())
            return;
        position = int(token.capturedEnd());
        const int start = int(token.capturedStart());
        const int length = int(token.capturedLength());
        if (token.hasCaptured(u"word")) {
            const QStringView word = token.capturedView();
            if (keywords().contains(word))
                setFormat(start, length, m_formats[int(Category::Keyword)]);
            else if (isLiteralWord(word))
                setFormat(start, length, m_formats[int(Category::Literal)]);
        } else if (token.hasCaptured(u"number")) {
            setFormat(start, length, m_formats[int(Category::Literal)]);
        } else if (token.hasCaptured(u"string") || token.hasCaptured(u"character")) {
            setFormat(start, length, m_formats[int(Category::String)]);
        } else if (token.hasCaptured(u"lineComment")) {
            setFormat(start, length, m_formats[int(Category::Comment)]);
        } else {
            position = highlightComment(text, start, start + 2);
        }
    }
}

// Colours a block comment from start, its end searched from bodyStart; the
// position after it, or -1 when it goes on in the next line.
int JavaHighlighter::highlightComment(const QString &text, int start, int bodyStart)
{
    const qsizetype end = text.indexOf(QLatin1String("*/"), bodyStart);
    if (end < 0) {
        setFormat(start, int(text.size()) - start, m_formats[int(Category::Comment)]);
        setCurrentBlockState(InComment);
        return -1;
    }
    setFormat(start, int(end) + 2 - start, m_formats[int(Category::Comment)]);
    return int(end) + 2;
}
