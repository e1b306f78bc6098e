#include "app/line_ends.h"

#include <QRegularExpression>
#include <utility>

QString withCrLfLines(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16 + 2);
    qsizetype lineStart = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        result.append(QStringView(text).sliced(lineStart, i - lineStart));
        result.append(kCrLf);
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        result.append(QStringView(text).sliced(lineStart));
        result.append(kCrLf);
    }
    return result;
}

QString NormalizeOutput(const QString &output)
{
    QString result = output;
    return result.replace(QLatin1Char('\n'), kCrLf);
}

QString toLfLineEnds(const QString &text)
{
    static const QRegularExpression crsBeforeLf(QStringLiteral("\r+\n"));
    QString result = text;
    return result.replace(crsBeforeLf, QStringLiteral("\n"));
}

QString LfLineEndStream::convert(const QString &piece)
{
    QString text = m_heldBack + piece;
    qsizetype keep = text.size();
    while (keep > 0 && text.at(keep - 1) == QLatin1Char('\r'))
        --keep;
    m_heldBack = text.mid(keep);
    text.truncate(keep);
    return toLfLineEnds(text);
}

QString LfLineEndStream::finish()
{
    return std::exchange(m_heldBack, QString());
}

QByteArray withCrLfBeforeEveryLf(const QByteArray &bytes)
{
    QByteArray wire;
    wire.reserve(bytes.size() + bytes.count('\n'));
    char previous = '\0';
    for (const char c : bytes) {
        if (c == '\n' && previous != '\r')
            wire += '\r';
        wire += c;
        previous = c;
    }
    return wire;
}

QList<ByteLine> splitByteLines(const QByteArray &bytes)
{
    QList<ByteLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        ByteLine line{bytes.mid(start, end - start), QByteArray()};
        if (end < bytes.size())
            line.end = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? "\r\n" : bytes.mid(end, 1);
        start = end + line.end.size();
        lines << line;
    }
    return lines;
}

QString forPane(QString text)
{
    return text.remove(QLatin1Char('\r'));
}

QString pastedLines(QString text)
{
    text.replace(kCrLf, QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString separatorsToCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, kCrLf);
    return text.replace(QChar::LineSeparator, kCrLf);
}
