#include "app/code_page_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char *kCodePage = "Windows-31J";

// ICU's Windows-31J moves three control characters: it reads 0x1A as
// U+001C, 0x1C as U+007F and 0x7F as U+001A, where Windows reads each as the
// character of its own number (the Windows tests compare every byte). None
// of these bytes is ever the second byte of a pair.
constexpr struct {
    char16_t icu;
    char16_t windows;
} kMovedControls[] = {{0x001C, 0x001A}, {0x007F, 0x001C}, {0x001A, 0x007F}};

void moveControls(QString &text, bool toWindows)
{
    for (QChar &c : text) {
        for (const auto &moved : kMovedControls) {
            if (c.unicode() == (toWindows ? moved.icu : moved.windows)) {
                c = QChar(toWindows ? moved.windows : moved.icu);
                break;
            }
        }
    }
}

QString decodeWithIcu(QByteArrayView bytes, bool *clean)
{
    // A fresh converter per run: one that has seen an error keeps reporting it.
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    *clean = decoder.isValid() && !decoder.hasError();
    return text;
}

} // namespace

QString decodeCodePageRun(QByteArrayView bytes, bool *clean)
{
    QString text = decodeWithIcu(bytes, clean);
    moveControls(text, true);
    return text;
}

// ICU also writes some characters by a look-alike's bytes (U+F86F as those
// of U+2116), which Windows refuses: bytes that do not read back as the text
// are no bytes of its own.
std::optional<QByteArray> encodeCodePageRun(QStringView text)
{
    QString icuText = text.toString();
    moveControls(icuText, false);
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(icuText);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    bool clean = false;
    if (decodeWithIcu(bytes, &clean) != icuText || !clean)
        return std::nullopt;
    return bytes;
}
