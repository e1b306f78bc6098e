#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text files of the program are in Windows-31J (Shift_JIS), the code page of
// the Japanese systems and handsets it serves, on every platform.

// Null when the text holds a character the code page cannot hold: such a text
// is never written with question marks in its place.
std::optional<QByteArray> toCodePage(const QString &text);
// Bytes the code page does not know become U+FFFD; *ok (if given) tells
// whether every byte was valid.
QString fromCodePage(const QByteArray &bytes, bool *ok = nullptr);
