#pragma once

#include "deploy/ftp_client.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// An FTP client that answers as scripted and records every call:
// "Connect host user", "PutFile localPath folder binary", "GetReply", "Close".
class FakeFtpClientFactory : public FtpClientFactory
{
public:
    bool failCreation = false;
    ConnectResult connectResult = ConnectResult::Connected;
    QList<bool> putResults;  // one per PutFile; missing ones store
    QString reply = QStringLiteral("226 Transfer complete.");
    QStringList calls;
    int aborts = 0;
    std::function<void()> onCreate = [] {};  // runs while an upload gets its client

    qsizetype putCount() const { return calls.filter(QStringLiteral("PutFile ")).size(); }
    std::unique_ptr<FtpClient> create() override
    {
        onCreate();
        return failCreation ? nullptr : std::make_unique<Client>(*this);
    }
    void abortTransfers() override { ++aborts; }

private:
    class Client : public FtpClient
    {
    public:
        explicit Client(FakeFtpClientFactory &owner) : m_owner(owner) {}
        ConnectResult Connect(const QString &host, const QString &user, const QString &) override
        {
            m_owner.calls << QStringLiteral("Connect %1 %2").arg(host, user);
            return m_owner.connectResult;
        }
        Result<> PutFile(const QString &localPath, const QString &remoteFolder, TransferMode mode) override
        {
            const int index = int(m_owner.putCount());
            m_owner.calls << QStringLiteral("PutFile %1 %2 %3")
                                 .arg(localPath, remoteFolder,
                                      QLatin1String(mode == TransferMode::Binary ? "binary" : "text"));
            return m_owner.putResults.value(index, true) ? Result<>::success() : Result<>::failure(m_owner.reply);
        }
        QString GetReply() override
        {
            m_owner.calls << QStringLiteral("GetReply");
            return m_owner.reply;
        }
        void Close() override { m_owner.calls << QStringLiteral("Close"); }

    private:
        FakeFtpClientFactory &m_owner;
    };
};
