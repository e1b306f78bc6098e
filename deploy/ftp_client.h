#pragma once

#include <QString>
#include <memory>

// The four operations the upload needs of an FTP client, with the result
// values its messages rest on.
class FtpClient
{
public:
    enum ConnectResult : int {
        Connected = 0,
        LoginRefused = 1,
        HostNotFound = 11001,
        NoConnection = -1,
        ConnectionBroken = -2,
    };
    enum Mode : int { Text = 0, Binary = 1 };
    static constexpr int Stored = 1;

    virtual ~FtpClient() = default;
    virtual int Connect(const QString &host, const QString &user, const QString &password) = 0;
    virtual int PutFile(const QString &localPath, const QString &remoteFolder, int mode) = 0;
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
