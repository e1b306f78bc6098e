#include "app/kept_bytes.h"

#include <QHash>
#include <QList>
#include <algorithm>

namespace {

struct ByteLine {
    QByteArray bytes;  // without its end
    QByteArray end;    // "\r\n", "\n", "\r", or empty for an unended last line
    QString text;
};

// A line ends at CR LF, LF or a lone CR; neither byte can be the second
// byte of a double-byte character, so the bytes can be cut before decoding.
QList<ByteLine> splitBytes(const QByteArray &bytes)
{
    QList<ByteLine> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        ByteLine line;
        line.bytes = bytes.mid(start, end - start);
        if (end < bytes.size())
            line.end = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? "\r\n" : bytes.mid(end, 1);
        line.text = fromCodePage(line.bytes);
        lines << line;
        start = end + line.end.size();
    }
    return lines;
}

// The text's lines; a final line end makes no empty line after it.
QStringList splitText(const QString &text)
{
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = lf.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

QByteArray usualEnd(const QList<ByteLine> &lines)
{
    QHash<QByteArray, int> counts;
    for (const ByteLine &line : lines) {
        if (!line.end.isEmpty())
            ++counts[line.end];
    }
    QByteArray best = "\r\n";
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(best))
            best = it.key();
    }
    return best;
}

bool sameTexts(const QStringList &text, const QList<ByteLine> &old)
{
    return text.size() == old.size()
           && std::equal(text.cbegin(), text.cend(), old.cbegin(),
                         [](const QString &line, const ByteLine &oldLine) { return line == oldLine.text; });
}

} // namespace

CodePageBytes encodeOverOldBytes(const QString &text, const std::optional<QByteArray> &oldBytes)
{
    // Checked whole, so a refusal names the line and column in the text.
    const CodePageBytes whole = encodeForCodePage(text);
    if (whole.problem)
        return whole;
    const QStringList lines = splitText(text);
    const QList<ByteLine> old = oldBytes ? splitBytes(*oldBytes) : QList<ByteLine>();
    if (oldBytes && sameTexts(lines, old))
        return {*oldBytes, std::nullopt};

    qsizetype prefix = 0;
    while (prefix < lines.size() && prefix < old.size() && lines[prefix] == old[prefix].text)
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < lines.size() - prefix && suffix < old.size() - prefix
           && lines[lines.size() - 1 - suffix] == old[old.size() - 1 - suffix].text)
        ++suffix;

    QHash<QString, QByteArray> oldLineBytes;
    for (const ByteLine &line : old)
        oldLineBytes.insert(line.text, line.bytes);
    const QByteArray end = usualEnd(old);
    const bool finalEnd = old.isEmpty() || !old.last().end.isEmpty();

    QByteArray bytes;
    bytes.reserve(whole.bytes.size() + lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i == lines.size() - 1;
        if (i < prefix || i >= lines.size() - suffix) {
            const ByteLine &kept = i < prefix ? old[i] : old[old.size() - (lines.size() - i)];
            // The old last line may stand elsewhere now, or have to end.
            const bool endless = kept.end.isEmpty() && last && !finalEnd;
            bytes += kept.bytes + (kept.end.isEmpty() && !endless ? end : kept.end);
            continue;
        }
        bytes += oldLineBytes.contains(lines[i]) ? oldLineBytes.value(lines[i]) : *toCodePage(lines[i]);
        if (!last || finalEnd)
            bytes += end;
    }
    return {bytes, std::nullopt};
}
