#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The code page's own conversion of text in Windows-31J, which the rules of
// code_page.cpp build on: Qt's "Windows-31J" converter (ICU) on Linux, the
// system's code page 932 on Windows, where Qt has no such converter.

// Bytes of whole sequences only (single bytes and lead-trail pairs). Each
// pair the code page has no character for becomes one U+FFFD, and *clean is
// then false.
QString decodeCodePageRun(QByteArrayView bytes, bool *clean);

// Nothing when a character has no bytes of its own in the code page: no
// look-alike, no default character.
std::optional<QByteArray> encodeCodePageRun(QStringView text);
