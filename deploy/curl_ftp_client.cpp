#include "deploy/curl_ftp_client.h"

// Stub: filled in with the libcurl client.
std::unique_ptr<FtpClient> CurlFtpClientFactory::create() { return nullptr; }
