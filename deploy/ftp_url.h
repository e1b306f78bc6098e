#pragma once

#include <QString>

// "host" or "host:port" (21 when absent) as the start of an ftp:// address.
QString ftpServerAddress(const QString &hostAndPort);

// The address path of a file in a remote folder: empty for the login folder,
// a leading "/" for an absolute folder, every segment percent-escaped.
QString ftpFilePath(const QString &remoteFolder, const QString &fileName);
