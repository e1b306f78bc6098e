#include "app/code_page.h"

#include "app/code_page_codec.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {


bool isTrailByte(uchar c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

bool isSingleByte(uchar c)
{
    return c < 0x80 || (c >= 0xA1 && c <= 0xDF);
}

// Bytes that Windows reads as characters of their own and writes back
// unchanged, where the codec here knows none.
constexpr struct {
    uchar byte;
    char16_t character;
} kWindowsOnlyBytes[] = {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};

std::optional<char16_t> windowsOnlyCharacter(uchar byte)
{
    for (const auto &pair : kWindowsOnlyBytes) {
        if (pair.byte == byte)
            return pair.character;
    }
    return std::nullopt;
}

std::optional<uchar> windowsOnlyByte(QChar c)
{
    for (const auto &pair : kWindowsOnlyBytes) {
        if (pair.character == c.unicode())
            return pair.byte;
    }
    return std::nullopt;
}

// Length of the well-formed sequence at i, or 0 when the byte at i starts none.
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto c = uchar(bytes[i]);
    if (isSingleByte(c))
        return 1;
    if (isCodePageLeadByte(c) && i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1])))
        return 2;
    return 0;
}

// Each malformed byte is marked with U+FFFD, and the well-formed runs
// between them go to the codec, which marks each pair it has no character
// for: so every platform marks the same bytes.
QString decodeMarkingErrors(const QByteArray &bytes, bool *clean)
{
    QString text;
    text.reserve(bytes.size());
    *clean = true;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end <= runStart)
            return;
        bool runClean = false;
        text += decodeCodePageRun(QByteArrayView(bytes).sliced(runStart, end - runStart), &runClean);
        *clean = *clean && runClean;
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        flushRun(i);
        if (const std::optional<char16_t> own = windowsOnlyCharacter(uchar(bytes[i]))) {
            text += QChar(*own);
        } else {
            text += QChar::ReplacementCharacter;
            *clean = false;
        }
        runStart = ++i;
    }
    flushRun(bytes.size());
    return text;
}

// The codec's bytes for the text, with the bytes only Windows knows put in
// by hand; false when a character does not fit.
bool encodeInto(QStringView text, QByteArray &bytes)
{
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end <= runStart)
            return true;
        const std::optional<QByteArray> run = encodeCodePageRun(text.sliced(runStart, end - runStart));
        if (run)
            bytes += *run;
        return run.has_value();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar::ReplacementCharacter)
            return false;
        const std::optional<uchar> own = windowsOnlyByte(text[i]);
        if (!own)
            continue;
        if (!flushRun(i))
            return false;
        bytes += char(*own);
        runStart = i + 1;
    }
    return flushRun(text.size());
}

// Input methods on Linux type these from JIS X 0208; Windows-31J holds the
// same glyphs under the code points Windows maps them to.
char16_t windowsForm(char16_t c)
{
    switch (c) {
    case 0x301C: return 0xFF5E;  // WAVE DASH
    case 0x2016: return 0x2225;  // DOUBLE VERTICAL LINE
    case 0x2212: return 0xFF0D;  // MINUS SIGN
    case 0x00A2: return 0xFFE0;  // CENT SIGN
    case 0x00A3: return 0xFFE1;  // POUND SIGN
    case 0x00AC: return 0xFFE2;  // NOT SIGN
    case 0x2014: return 0x2015;  // EM DASH
    default: return c;
    }
}

QString withWindowsForms(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = QChar(windowsForm(c.unicode()));
    return result;
}

bool fits(QStringView text)
{
    QByteArray bytes;
    return encodeInto(text, bytes);
}

// The shortest prefix that does not fit ends with the first problem; an
// encoder reports errors but not where, so search for it.
qsizetype firstProblemIndex(const QString &text)
{
    qsizetype fitting = 0;  // the longest prefix known to fit
    qsizetype failing = text.size();
    while (failing - fitting > 1) {
        qsizetype middle = fitting + (failing - fitting) / 2;
        if (text[middle - 1].isHighSurrogate() && middle + 1 < failing)
            ++middle;
        if (fits(QStringView(text).first(middle)))
            fitting = middle;
        else
            failing = middle;
    }
    return fitting;
}

CodePageProblem firstProblem(const QString &text)
{
    const qsizetype index = firstProblemIndex(text);
    CodePageProblem problem{QStringView(text).sliced(index).toUcs4().value(0), 1, 1};
    for (qsizetype i = 0; i < index; ++i) {
        const QChar c = text[i];
        const bool crBeforeLf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !crBeforeLf)) {
            ++problem.line;
            problem.column = 1;
        } else if (!crBeforeLf && !c.isLowSurrogate()) {
            ++problem.column;
        }
    }
    return problem;
}

} // namespace

bool isCodePageLeadByte(uchar c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

CodePageBytes encodeForCodePage(const QString &text)
{
    const QString windowsText = withWindowsForms(text);
    QByteArray bytes;
    bytes.reserve(windowsText.size() * 2);
    if (encodeInto(windowsText, bytes))
        return {bytes, std::nullopt};
    return {QByteArray(), firstProblem(windowsText)};
}

std::optional<QByteArray> toCodePage(const QString &text)
{
    CodePageBytes encoded = encodeForCodePage(text);
    if (encoded.problem)
        return std::nullopt;
    return std::move(encoded.bytes);
}

QString fromCodePage(const QByteArray &bytes, bool *ok)
{
    bool clean = false;
    const QString text = decodeMarkingErrors(bytes, &clean);
    if (ok)
        *ok = clean;
    return text;
}

bool isUtf8Text(const QByteArray &bytes)
{
    const bool beyondAscii = std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) >= 0x80; });
    if (!beyondAscii)
        return false;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoder reports errors only once its result is taken.
    [[maybe_unused]] const QString decoded = utf8.decode(bytes);
    return !utf8.hasError();
}

bool isUtf8Only(const QByteArray &bytes)
{
    if (!isUtf8Text(bytes))
        return false;
    bool codePage = false;
    fromCodePage(bytes, &codePage);
    return !codePage;
}

QString describeCodePageProblem(const CodePageProblem &problem)
{
    const QString where = QStringLiteral("%1行%2桁目").arg(problem.line).arg(problem.column);
    if (problem.character == QChar::ReplacementCharacter)
        return where + QStringLiteral("に読みこめなかったバイト(U+FFFD)があります。正しい文字に直してから保存してください。");
    const QString code = QStringLiteral("U+%1").arg(uint(problem.character), 4, 16, QLatin1Char('0')).toUpper();
    return where + QStringLiteral("の文字「") + QString::fromUcs4(&problem.character, 1) + QStringLiteral("」(")
           + code + QStringLiteral(")はShift_JIS(Windows-31J)で保存できません。");
}
