#pragma once

#include "deploy/ftp_client.h"

#include <atomic>
#include <memory>

// FTP over libcurl: one control connection per client, opened by Connect and
// reused by every PutFile. Transfers run through curl's multi interface, so
// the window keeps painting and taking input while a file goes out.
// Names, user name and password go to the server in Windows-31J; one that
// the code page cannot hold fails Connect (1000 + CURLE_BAD_FUNCTION_ARGUMENT)
// or PutFile before anything is sent. Other failures of Connect are
// 1000 + libcurl's error code; GetReply says what happened.
class CurlFtpClientFactory : public FtpClientFactory
{
public:
    // How long the server may stay silent before the connection counts as broken.
    explicit CurlFtpClientFactory(int responseTimeoutSeconds = 20, int connectTimeoutSeconds = 10);
    std::unique_ptr<FtpClient> create() override;
    void abortTransfers() override;

    // Shared by the factory and its clients: a transfer that sees the count
    // change while it waits stops. Lock-free, so a signal handler may raise it.
    struct AbortCount {
        std::atomic<unsigned> value{0};
        static_assert(std::atomic<unsigned>::is_always_lock_free);
    };

private:
    int m_responseTimeout;
    int m_connectTimeout;
    std::shared_ptr<AbortCount> m_aborts = std::make_shared<AbortCount>();
};
