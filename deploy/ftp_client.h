#pragma once

#include "app/result.h"

#include <QString>
#include <memory>

// The result of Connect. The upload's messages rest on these numbers, and a
// failure without a message of its own is logged with its number, so any
// other failure of a client keeps a number of its own (1000 + the client
// library's code).
enum class ConnectResult : int {
    Connected = 0,
    LoginRefused = 1,
    HostNotFound = 11001,
    NoConnection = -1,
    ConnectionBroken = -2,
};

// Text goes out with CR LF line ends, binary as it is.
enum class TransferMode { Text, Binary };

// The four operations the upload needs of an FTP client.
class FtpClient
{
public:
    virtual ~FtpClient() = default;
    virtual ConnectResult Connect(const QString &host, const QString &user, const QString &password) = 0;
    // Whether the server stored the file, or why not (what GetReply says).
    virtual Result<> PutFile(const QString &localPath, const QString &remoteFolder, TransferMode mode) = 0;
    virtual QString GetReply() = 0;
    virtual void Close() = 0;
};

class FtpClientFactory
{
public:
    virtual ~FtpClientFactory() = default;
    // Null when no client can be had.
    virtual std::unique_ptr<FtpClient> create() = 0;
    // Aborts the transfer a client of this factory waits on; it then fails
    // as a broken connection would. Safe to call when nothing runs.
    virtual void abortTransfers() {}
};
