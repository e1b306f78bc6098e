#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Replaces the file with the text in the code page, atomically: on any
// failure the previous file stays whole. Returns an empty string on success,
// otherwise a short reason naming the native path.
QString writeCodePageFile(const QString &path, const QString &text);
// Replaces the file with the bytes, atomically; same result as above.
QString writeFileAtomically(const QString &path, const QByteArray &bytes);
// The file's bytes, or null when it cannot be read.
std::optional<QByteArray> readWholeFile(const QString &path);
