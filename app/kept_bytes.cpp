#include "app/kept_bytes.h"

#include "app/line_ends.h"

#include <QHash>
#include <QList>
#include <algorithm>

namespace {

struct OldLine {
    QByteArray bytes;  // without its end
    QByteArray end;
    QString text;
};

QList<OldLine> splitBytes(const QByteArray &bytes)
{
    QList<OldLine> lines;
    for (const ByteLine &line : splitByteLines(bytes))
        lines << OldLine{line.text, line.end, fromCodePage(line.text)};
    return lines;
}

// The text's lines; a final line end makes no empty line after it.
QStringList splitText(const QString &text)
{
    QStringList lines = pastedLines(text).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray usualEnd(const QList<OldLine> &lines)
{
    QHash<QByteArray, int> counts;
    for (const OldLine &line : lines) {
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

bool sameTexts(const QStringList &text, const QList<OldLine> &old)
{
    return text.size() == old.size()
           && std::equal(text.cbegin(), text.cend(), old.cbegin(),
                         [](const QString &line, const OldLine &oldLine) { return line == oldLine.text; });
}

} // namespace

CodePageBytes encodeOverOldBytes(const QString &text, const std::optional<QByteArray> &oldBytes)
{
    // Checked whole, so a refusal names the line and column in the text.
    const CodePageBytes whole = encodeForCodePage(text);
    if (whole.problem)
        return whole;
    const QStringList lines = splitText(text);
    const QList<OldLine> old = oldBytes ? splitBytes(*oldBytes) : QList<OldLine>();
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
    for (const OldLine &line : old)
        oldLineBytes.insert(line.text, line.bytes);
    const QByteArray end = usualEnd(old);
    const bool finalEnd = old.isEmpty() || !old.last().end.isEmpty();

    QByteArray bytes;
    bytes.reserve(whole.bytes.size() + lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i == lines.size() - 1;
        if (i < prefix || i >= lines.size() - suffix) {
            const OldLine &kept = i < prefix ? old[i] : old[old.size() - (lines.size() - i)];
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
