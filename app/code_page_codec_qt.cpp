#include "app/code_page_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *kCodePage = "Windows-31J";

} // namespace

// A fresh converter per run: one that has seen an error keeps reporting it.
QString decodeCodePageRun(QByteArrayView bytes, bool *clean)
{
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    *clean = decoder.isValid() && !decoder.hasError();
    return text;
}

std::optional<QByteArray> encodeCodePageRun(QStringView text)
{
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes;
}
