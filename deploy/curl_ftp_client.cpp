#include "deploy/curl_ftp_client.h"

#include "deploy/ftp_url.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <curl/curl.h>

namespace {

int g_transfers = 0;

struct TransferMark {
    TransferMark() { ++g_transfers; }
    ~TransferMark() { --g_transfers; }
};

void initCurlOnce()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(initialised);
}

class CurlFtpClient : public FtpClient
{
public:
    CurlFtpClient(int responseTimeout, int connectTimeout);
    ~CurlFtpClient() override { Close(); }

    int Connect(const QString &host, const QString &user, const QString &password) override;
    int PutFile(const QString &localPath, const QString &remoteFolder, int mode) override;
    QString GetReply() override;
    void Close() override;

private:
    static size_t onHeader(char *data, size_t size, size_t count, void *self);
    static size_t onRead(char *buffer, size_t size, size_t count, void *file);
    static size_t onDiscard(char *, size_t size, size_t count, void *) { return size * count; }
    void setCommonOptions();
    CURLcode perform();
    int connectResult(CURLcode code) const;

    int m_responseTimeout;
    int m_connectTimeout;
    CURL *m_easy = nullptr;
    CURLM *m_multi = nullptr;
    QString m_server;
    QByteArray m_user;
    QByteArray m_password;
    QString m_lastReply;
    char m_error[CURL_ERROR_SIZE] = {};
};

CurlFtpClient::CurlFtpClient(int responseTimeout, int connectTimeout)
    : m_responseTimeout(responseTimeout)
    , m_connectTimeout(connectTimeout)
{
    initCurlOnce();
}

size_t CurlFtpClient::onHeader(char *data, size_t size, size_t count, void *self)
{
    auto *client = static_cast<CurlFtpClient *>(self);
    const QString line = QString::fromUtf8(data, qsizetype(size * count)).trimmed();
    // The last line of a reply starts with its code and a blank.
    static const QRegularExpression finalLine(QStringLiteral("^\\d{3}( |$)"));
    if (finalLine.match(line).hasMatch())
        client->m_lastReply = line;
    return size * count;
}

size_t CurlFtpClient::onRead(char *buffer, size_t size, size_t count, void *file)
{
    const qint64 read = static_cast<QFile *>(file)->read(buffer, qint64(size * count));
    return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

void CurlFtpClient::setCommonOptions()
{
    curl_easy_setopt(m_easy, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(m_easy, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlFtpClient::onHeader);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlFtpClient::onDiscard);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, long(m_connectTimeout));
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(m_responseTimeout));
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, long(m_responseTimeout));
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "ftp");
}

// Runs the easy handle to its end, keeping the window painted meanwhile.
CURLcode CurlFtpClient::perform()
{
    TransferMark mark;
    m_error[0] = '\0';
    curl_multi_add_handle(m_multi, m_easy);
    int running = 1;
    while (running > 0) {
        if (curl_multi_perform(m_multi, &running) != CURLM_OK)
            break;
        if (running > 0)
            curl_multi_poll(m_multi, nullptr, 0, 15, nullptr);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    CURLcode result = CURLE_FAILED_INIT;
    int queued = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy)
            result = message->data.result;
    }
    curl_multi_remove_handle(m_multi, m_easy);
    return result;
}

int CurlFtpClient::connectResult(CURLcode code) const
{
    switch (code) {
    case CURLE_OK:
        return Connected;
    case CURLE_LOGIN_DENIED:
        return LoginRefused;
    case CURLE_COULDNT_RESOLVE_HOST:
        return HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return NoConnection;
    case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connected = 0;
        curl_easy_getinfo(m_easy, CURLINFO_CONNECT_TIME_T, &connected);
        return connected > 0 ? ConnectionBroken : NoConnection;
    }
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
        return ConnectionBroken;
    default:
        return 1000 + int(code);
    }
}

int CurlFtpClient::Connect(const QString &host, const QString &user, const QString &password)
{
    Close();
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    if (!m_easy || !m_multi) {
        m_lastReply = QStringLiteral("FTPクライアントを初期化できませんでした。");
        return 1000 + int(CURLE_FAILED_INIT);
    }
    m_server = ftpServerAddress(host);
    m_user = user.toUtf8();
    m_password = password.toUtf8();
    setCommonOptions();
    // A look at the login folder logs in and leaves the connection open
    // for the files that follow.
    const QByteArray url = (m_server + QLatin1Char('/')).toUtf8();
    curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
    return connectResult(perform());
}

int CurlFtpClient::PutFile(const QString &localPath, const QString &remoteFolder, int mode)
{
    if (!m_easy)
        return 0;
    QFile file(localPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_lastReply = QStringLiteral("%1 を読めません: %2").arg(localPath, file.errorString());
        return 0;
    }
    const QByteArray url = (m_server + QLatin1Char('/') + ftpFilePath(remoteFolder, QFileInfo(localPath).fileName())).toUtf8();
    curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &CurlFtpClient::onRead);
    curl_easy_setopt(m_easy, CURLOPT_READDATA, &file);
    curl_easy_setopt(m_easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
    curl_easy_setopt(m_easy, CURLOPT_TRANSFERTEXT, mode == Text ? 1L : 0L);
    const CURLcode code = perform();
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(m_easy, CURLOPT_READDATA, nullptr);
    return code == CURLE_OK ? Stored : 0;
}

QString CurlFtpClient::GetReply()
{
    if (!m_lastReply.isEmpty())
        return m_lastReply;
    return QString::fromUtf8(m_error);
}

void CurlFtpClient::Close()
{
    if (m_multi) {
        if (m_easy)
            curl_multi_remove_handle(m_multi, m_easy);
        curl_multi_cleanup(m_multi);  // sends QUIT on the open connection
        m_multi = nullptr;
    }
    if (m_easy) {
        curl_easy_cleanup(m_easy);
        m_easy = nullptr;
    }
    m_password.fill('\0');
}

} // namespace

CurlFtpClientFactory::CurlFtpClientFactory(int responseTimeoutSeconds, int connectTimeoutSeconds)
    : m_responseTimeout(responseTimeoutSeconds)
    , m_connectTimeout(connectTimeoutSeconds)
{
}

std::unique_ptr<FtpClient> CurlFtpClientFactory::create()
{
    return std::make_unique<CurlFtpClient>(m_responseTimeout, m_connectTimeout);
}

bool isFtpTransferRunning()
{
    return g_transfers > 0;
}
