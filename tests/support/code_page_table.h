#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One code page 932 converter, ours or the system's, as a table that can be
// set beside another's line by line:
//   D <bytes> <UTF-16>   every single byte, every lead byte with every trail byte
//   E <UTF-16> <bytes>   every character of the Basic Multilingual Plane but
//                        the surrogates; "-" for one that cannot be written
// all in upper-case hexadecimal.
struct CodePageConverter {
    std::function<QString(const QByteArray &)> decode;
    std::function<std::optional<QByteArray>(const QString &)> encode;
};

QStringList codePageTable(const CodePageConverter &converter);
// fromCodePage and toCodePage of app/code_page.h.
CodePageConverter ourCodePage();
