#include "app/code_page_codec.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

constexpr UINT kCodePage = 932;

// The whole run, or nothing when a sequence in it has no character.
std::optional<QString> decodeStrictly(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    const int size = int(bytes.size());
    const int chars = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (chars <= 0)
        return std::nullopt;
    QString text(chars, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size,
                            reinterpret_cast<wchar_t *>(text.data()), chars) != chars)
        return std::nullopt;
    return text;
}

} // namespace

// Without MB_ERR_INVALID_CHARS the system writes its default character (the
// middle dot) for a pair it cannot read, which would pass for text: with it,
// one such pair fails the whole run, so that run is read again a sequence
// at a time.
QString decodeCodePageRun(QByteArrayView bytes, bool *clean)
{
    if (std::optional<QString> text = decodeStrictly(bytes)) {
        *clean = true;
        return *text;
    }
    *clean = false;
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype length = IsDBCSLeadByteEx(kCodePage, BYTE(bytes[i])) && i + 1 < bytes.size() ? 2 : 1;
        text += decodeStrictly(bytes.sliced(i, length)).value_or(QString(QChar::ReplacementCharacter));
        i += length;
    }
    return text;
}

// WC_NO_BEST_FIT_CHARS: a character gets bytes of its own or none, never a
// look-alike's; one without takes the default character, which the flag
// reports.
std::optional<QByteArray> encodeCodePageRun(QStringView text)
{
    if (text.isEmpty())
        return QByteArray();
    const auto *chars = reinterpret_cast<const wchar_t *>(text.utf16());
    const int length = int(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, chars, length, nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, chars, length, bytes.data(), size, nullptr, &usedDefault) != size
        || usedDefault)
        return std::nullopt;
    return bytes;
}
