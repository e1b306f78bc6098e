#pragma once

#include "deploy/ftp_client.h"

// FTP over libcurl: one control connection per client, reused by every PutFile.
class CurlFtpClientFactory : public FtpClientFactory
{
public:
    std::unique_ptr<FtpClient> create() override;
};
