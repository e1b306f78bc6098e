#include "code_page_table.h"

#include "app/code_page.h"

namespace {

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString hex(const QString &text)
{
    QString result;
    for (const QChar c : text)
        result += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    return result;
}

bool isLead(int c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool isTrail(int c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

} // namespace

QStringList codePageTable(const CodePageConverter &converter)
{
    QStringList lines;
    const auto decodeLine = [&](const QByteArray &bytes) {
        lines << QStringLiteral("D %1 %2").arg(hex(bytes), hex(converter.decode(bytes)));
    };
    for (int c = 0; c < 0x100; ++c)
        decodeLine(QByteArray(1, char(c)));
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = 0; isLead(lead) && trail < 0x100; ++trail) {
            if (isTrail(trail))
                decodeLine(QByteArray(1, char(lead)) + char(trail));
        }
    }
    for (int c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString text = QChar(char16_t(c));
        const std::optional<QByteArray> bytes = converter.encode(text);
        lines << QStringLiteral("E %1 %2").arg(hex(text), bytes ? hex(*bytes) : QStringLiteral("-"));
    }
    return lines;
}

CodePageConverter ourCodePage()
{
    return {[](const QByteArray &bytes) { return fromCodePage(bytes); },
            [](const QString &text) { return toCodePage(text); }};
}
