#include "app/code_page.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *kCodePage = "Windows-31J";

bool isLeadByte(uchar c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool isTrailByte(uchar c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

bool isSingleByte(uchar c)
{
    return c < 0x80 || (c >= 0xA1 && c <= 0xDF);
}

// Length of the well-formed sequence at i, or 0 when the byte at i starts none.
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto c = uchar(bytes[i]);
    if (isSingleByte(c))
        return 1;
    if (isLeadByte(c) && i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1])))
        return 2;
    return 0;
}

// The decoder reports errors but writes U+001A (or drops a lone lead byte)
// where it failed. The slow road marks each malformed byte with U+FFFD and
// decodes the well-formed runs between them, where the codec itself puts
// U+FFFD for a pair it has no character for. A fresh decoder per run: one
// that has seen an error keeps reporting it.
QString decodeMarkingErrors(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            text += QStringDecoder(kCodePage, QStringConverter::Flag::Stateless)
                        .decode(QByteArrayView(bytes).sliced(runStart, end - runStart));
    };
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        flushRun(i);
        text += QChar::ReplacementCharacter;
        runStart = ++i;
    }
    flushRun(bytes.size());
    return text;
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
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);  // the encoding runs only when the result is taken
    return !encoder.hasError() && !text.contains(QChar::ReplacementCharacter);
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

CodePageBytes encodeForCodePage(const QString &text)
{
    const QString windowsText = withWindowsForms(text);
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(windowsText);
    if (encoder.isValid() && !encoder.hasError() && !windowsText.contains(QChar::ReplacementCharacter))
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
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    const bool clean = decoder.isValid() && !decoder.hasError();
    if (ok)
        *ok = clean;
    return clean ? text : decodeMarkingErrors(bytes);
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
