#include "deploy/curl_ftp_client.h"

#include "app/code_page.h"
#include "app/line_ends.h"
#include "app/text_file.h"
#include "deploy/ftp_url.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>
#include <curl/curl.h>

namespace {

using AbortCount = CurlFtpClientFactory::AbortCount;
using CommandList = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

// A failure the upload has no message for is logged with this number.
constexpr ConnectResult otherFailure(CURLcode code)
{
    return static_cast<ConnectResult>(1000 + int(code));
}

// libcurl set up once for the program; without it no client can be had.
bool curlReady()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised;
}

struct Outgoing {
    QByteArray bytes;
    qsizetype sent = 0;
};

class CurlFtpClient : public FtpClient
{
public:
    CurlFtpClient(int responseTimeout, int connectTimeout, std::shared_ptr<const AbortCount> aborts);
    ~CurlFtpClient() override { Close(); }

    ConnectResult Connect(const QString &host, const QString &user, const QString &password) override;
    Result<> PutFile(const QString &localPath, const QString &remoteFolder, TransferMode mode) override;
    QString GetReply() override;
    void Close() override;

private:
    static size_t onHeader(char *data, size_t size, size_t count, void *self);
    static size_t onRead(char *buffer, size_t size, size_t count, void *outgoing);
    static size_t onDiscard(char *, size_t size, size_t count, void *) { return size * count; }
    void setCommonOptions();
    std::optional<QByteArray> readLocal(const QString &localPath, TransferMode mode);
    CURLcode perform();
    CURLcode stopForUser();
    ConnectResult connectResult(CURLcode code) const;

    int m_responseTimeout;
    int m_connectTimeout;
    std::shared_ptr<const AbortCount> m_aborts;
    CURL *m_easy = nullptr;
    CURLM *m_multi = nullptr;
    QString m_server;
    QByteArray m_user;
    QByteArray m_password;
    QString m_lastReply;
    char m_error[CURL_ERROR_SIZE] = {};
};

CurlFtpClient::CurlFtpClient(int responseTimeout, int connectTimeout, std::shared_ptr<const AbortCount> aborts)
    : m_responseTimeout(responseTimeout)
    , m_connectTimeout(connectTimeout)
    , m_aborts(std::move(aborts))
{
}

size_t CurlFtpClient::onHeader(char *data, size_t size, size_t count, void *self)
{
    auto *client = static_cast<CurlFtpClient *>(self);
    // Read in the code page the names went out in, so a name echoed back reads right.
    const QString line = fromCodePage(QByteArray(data, qsizetype(size * count))).trimmed();
    // The last line of a reply starts with its code and a blank.
    static const QRegularExpression finalLine(QStringLiteral("^\\d{3}( |$)"));
    if (finalLine.match(line).hasMatch())
        client->m_lastReply = line;
    return size * count;
}

size_t CurlFtpClient::onRead(char *buffer, size_t size, size_t count, void *outgoing)
{
    auto *out = static_cast<Outgoing *>(outgoing);
    const qsizetype length = qMin(qsizetype(size * count), out->bytes.size() - out->sent);
    std::memcpy(buffer, out->bytes.constData() + out->sent, size_t(length));
    out->sent += length;
    return size_t(length);
}

void CurlFtpClient::setCommonOptions()
{
    curl_easy_setopt(m_easy, CURLOPT_USERNAME, m_user.constData());
    curl_easy_setopt(m_easy, CURLOPT_PASSWORD, m_password.constData());
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlFtpClient::onHeader);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlFtpClient::onDiscard);
    curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &CurlFtpClient::onRead);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_error);
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, long(m_connectTimeout));
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(m_responseTimeout));
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, long(m_responseTimeout));
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "ftp");
    // curl's own text mode would add a CR before every LF, doubling the CR of
    // a CR LF file; PutFile sends the type and the line ends itself.
    curl_easy_setopt(m_easy, CURLOPT_TRANSFERTEXT, 0L);
}

// Runs the easy handle to its end, keeping the window painted meanwhile.
CURLcode CurlFtpClient::perform()
{
    const unsigned abortsBefore = m_aborts->value.load();
    m_error[0] = '\0';
    curl_multi_add_handle(m_multi, m_easy);
    int running = 1;
    while (running > 0) {
        if (m_aborts->value.load() != abortsBefore)
            return stopForUser();
        if (curl_multi_perform(m_multi, &running) != CURLM_OK)
            break;
        if (running > 0)
            curl_multi_poll(m_multi, nullptr, 0, 15, nullptr);
        // All events, input too: the window's own filter drops what the user
        // types meanwhile, and lets Esc through to stop the transfer.
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
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

// A transfer taken out of the multi handle before its end leaves with its
// connection, so nothing waits on a server that may never answer again.
CURLcode CurlFtpClient::stopForUser()
{
    Close();
    m_lastReply = QStringLiteral("転送を中止しました。");
    return CURLE_ABORTED_BY_CALLBACK;
}

ConnectResult CurlFtpClient::connectResult(CURLcode code) const
{
    switch (code) {
    case CURLE_OK:
        return ConnectResult::Connected;
    case CURLE_LOGIN_DENIED:
        return ConnectResult::LoginRefused;
    case CURLE_COULDNT_RESOLVE_HOST:
        return ConnectResult::HostNotFound;
    case CURLE_COULDNT_CONNECT:
        return ConnectResult::NoConnection;
    case CURLE_OPERATION_TIMEDOUT: {
        curl_off_t connected = 0;
        curl_easy_getinfo(m_easy, CURLINFO_CONNECT_TIME_T, &connected);
        return connected > 0 ? ConnectResult::ConnectionBroken : ConnectResult::NoConnection;
    }
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_ABORTED_BY_CALLBACK:
        return ConnectResult::ConnectionBroken;
    default:
        return otherFailure(code);
    }
}

ConnectResult CurlFtpClient::Connect(const QString &host, const QString &user, const QString &password)
{
    Close();
    std::optional<QByteArray> userBytes = toCodePage(user);
    std::optional<QByteArray> passwordBytes = toCodePage(password);
    if (!userBytes || !passwordBytes) {
        m_lastReply = userBytes ? QStringLiteral("パスワードにWindows-31Jで表せない文字があります。")
                                : QStringLiteral("ユーザ名にWindows-31Jで表せない文字があります。");
        if (passwordBytes)
            passwordBytes->fill('\0');
        return otherFailure(CURLE_BAD_FUNCTION_ARGUMENT);
    }
    m_easy = curl_easy_init();
    m_multi = curl_multi_init();
    if (!m_easy || !m_multi) {
        m_lastReply = QStringLiteral("FTPクライアントを初期化できませんでした。");
        return otherFailure(CURLE_FAILED_INIT);
    }
    m_server = ftpServerAddress(host);
    m_user = std::move(*userBytes);
    m_password = std::move(*passwordBytes);
    setCommonOptions();
    // A look at the login folder logs in and leaves the connection open
    // for the files that follow.
    const QByteArray url = (m_server + QLatin1Char('/')).toUtf8();
    curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
    return connectResult(perform());
}

std::optional<QByteArray> CurlFtpClient::readLocal(const QString &localPath, TransferMode mode)
{
    const Result<QByteArray> bytes = readWholeFile(localPath);
    if (!bytes) {
        m_lastReply = bytes.error();
        return std::nullopt;
    }
    return mode == TransferMode::Text ? withCrLfBeforeEveryLf(*bytes) : *bytes;
}

Result<> CurlFtpClient::PutFile(const QString &localPath, const QString &remoteFolder, TransferMode mode)
{
    if (!m_easy)
        return Result<>::failure(GetReply());
    const QString name = QFileInfo(localPath).fileName();
    const std::optional<QByteArray> path = ftpFilePath(remoteFolder, name);
    if (!path) {
        m_lastReply = QStringLiteral("フォルダ名「%1」かファイル名「%2」にWindows-31Jで表せない文字があります。")
                          .arg(remoteFolder, name);
        return Result<>::failure(m_lastReply);
    }
    std::optional<QByteArray> bytes = readLocal(localPath, mode);
    if (!bytes)
        return Result<>::failure(m_lastReply);
    Outgoing outgoing{std::move(*bytes)};
    // curl keeps the type it last sent per connection, not the one sent
    // here, so every file names its own type; it goes after curl's own.
    const char *typeCommand = mode == TransferMode::Text ? "TYPE A" : "TYPE I";
    const CommandList type(curl_slist_append(nullptr, typeCommand), &curl_slist_free_all);
    const QByteArray url = m_server.toUtf8() + '/' + *path;
    curl_easy_setopt(m_easy, CURLOPT_URL, url.constData());
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(m_easy, CURLOPT_READDATA, &outgoing);
    curl_easy_setopt(m_easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(outgoing.bytes.size()));
    curl_easy_setopt(m_easy, CURLOPT_PREQUOTE, type.get());
    // A reply to an earlier file must not stand for this one's.
    m_lastReply.clear();
    const CURLcode code = perform();
    if (m_easy) {
        curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 0L);
        curl_easy_setopt(m_easy, CURLOPT_READDATA, nullptr);
        curl_easy_setopt(m_easy, CURLOPT_PREQUOTE, nullptr);
    }
    if (code == CURLE_OK)
        return Result<>::success();
    // A transfer cut off after a reply that promised more ("150 ...") is
    // explained by curl's words, not by that reply.
    static const QRegularExpression refusal(QStringLiteral("^[45]\\d\\d"));
    if (m_error[0] != '\0' && !m_lastReply.isEmpty() && !refusal.match(m_lastReply).hasMatch()
        && code != CURLE_ABORTED_BY_CALLBACK)
        m_lastReply.clear();
    return Result<>::failure(GetReply());
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
    if (!curlReady())
        return nullptr;
    return std::make_unique<CurlFtpClient>(m_responseTimeout, m_connectTimeout, m_aborts);
}

void CurlFtpClientFactory::abortTransfers()
{
    m_aborts->value.fetch_add(1);
}
