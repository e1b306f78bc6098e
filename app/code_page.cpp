#include "app/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char *kCodePage = "Windows-31J";
}

std::optional<QByteArray> toCodePage(const QString &text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString fromCodePage(const QByteArray &bytes, bool *ok)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = decoder.isValid() && !decoder.hasError();
    return text;
}
