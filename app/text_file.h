#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Replaces the file with the text in the code page, atomically: on any
// failure the previous file stays whole. A failure names the native path and
// why: the disk's reason, or the first character the code page cannot hold.
Result<> writeCodePageFile(const QString &path, const QString &text);
enum class FileAccess { AsUsual, OwnerOnly };
// Replaces the file with the bytes, atomically; same result as above. A full
// disk fails here too, before the old file is touched. OwnerOnly: for a file
// that holds a password.
Result<> writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access = FileAccess::AsUsual);
// The file's bytes, or why they cannot be read: the native path and the
// system's reason.
Result<QByteArray> readWholeFile(const QString &path);
