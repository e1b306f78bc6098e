#pragma once

#include "deploy/ftp_client.h"

// FTP over libcurl: one control connection per client, opened by Connect and
// reused by every PutFile. Transfers run through curl's multi interface, so
// the window keeps painting (but takes no input) while a file goes out.
class CurlFtpClientFactory : public FtpClientFactory
{
public:
    // How long the server may stay silent before the connection counts as broken.
    explicit CurlFtpClientFactory(int responseTimeoutSeconds = 20, int connectTimeoutSeconds = 10);
    std::unique_ptr<FtpClient> create() override;

private:
    int m_responseTimeout;
    int m_connectTimeout;
};

// True while a client is talking to a server.
bool isFtpTransferRunning();
