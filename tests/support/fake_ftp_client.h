#pragma once

#include "deploy/ftp_client.h"

#include <QList>
#include <QString>
#include <QStringList>

// An FTP client that answers as scripted and records every call.
class FakeFtpClientFactory : public FtpClientFactory
{
public:
    struct Put {
        QString localPath;
        QString remoteFolder;
        TransferMode mode;
    };

    bool failCreation = false;
    ConnectResult connectResult = ConnectResult::Connected;
    QList<bool> putResults;  // one per PutFile; missing ones store
    QString reply = QStringLiteral("226 Transfer complete.");
    QStringList calls;       // "Connect host user", "PutFile ...", "GetReply", "Close"
    QList<Put> puts;

    std::unique_ptr<FtpClient> create() override
    {
        if (failCreation)
            return nullptr;
        return std::make_unique<Client>(*this);
    }

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
        bool PutFile(const QString &localPath, const QString &remoteFolder, TransferMode mode) override
        {
            m_owner.calls << QStringLiteral("PutFile %1").arg(localPath);
            m_owner.puts.append({localPath, remoteFolder, mode});
            const int index = m_owner.puts.size() - 1;
            return m_owner.putResults.value(index, true);
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

