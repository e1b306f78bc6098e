#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// "host" or "host:port" (21 when absent) as the start of an ftp:// address.
QString ftpServerAddress(const QString &hostAndPort);

// The address path of a file in a remote folder: empty for the login folder,
// a leading "/" for an absolute folder, every segment percent-escaped from its
// Windows-31J bytes, so the server gets the names the page's addresses use.
// Null when a name holds a character Windows-31J cannot hold.
std::optional<QByteArray> ftpFilePath(const QString &remoteFolder, const QString &fileName);
