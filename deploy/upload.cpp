#include "deploy/upload.h"

#include "app/clock.h"
#include "app/line_ends.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "build/html_writer.h"
#include "build/descriptor_edits.h"
#include "build/jam_writer.h"
#include "build/log_output.h"
#include "build/session_events.h"
#include "deploy/ftp_client.h"

#include <QFileInfo>

namespace {

class Upload
{
public:
    Upload(Services &services, OpenedProject &project)
        : m_services(services)
        , m_settings(services.store.settings())
        , m_project(project)
        , m_paths(project.paths)
    {
    }

    bool run();

private:
    void log(const QString &message) { AppendLog(m_services.events, kCrLf + message); }
    bool archiveIsBuilt();
    bool settingsReady();
    bool raiseVersion();
    bool writeProducts();
    bool send(FtpClient &ftp);
    bool sendFiles(FtpClient &ftp);
    void logConnectFailure(FtpClient &ftp, ConnectResult result);

    Services &m_services;
    const AppSettings &m_settings;
    OpenedProject &m_project;
    const ProjectPaths m_paths;
};

bool Upload::run()
{
    if (!archiveIsBuilt() || !settingsReady() || !raiseVersion() || !writeProducts())
        return false;
    const std::unique_ptr<FtpClient> ftp = m_services.ftp.create();
    if (!ftp) {
        log(QStringLiteral("FTPクライアントを作成できませんでした。アップロードを中止します。"));
        return false;
    }
    const bool stored = send(*ftp);
    log(m_settings.FtpUrl + QStringLiteral("との接続は切断されました。"));
    // The server's last word is asked for as the connection ends; the log
    // has already said what came of the upload.
    ftp->GetReply();
    ftp->Close();
    return stored;
}

bool Upload::archiveIsBuilt()
{
    // Without it the server would be blamed for a file that was never made.
    const QString jar = m_paths.archive();
    if (QFileInfo(jar).isFile())
        return true;
    log(jar + QStringLiteral("が見つかりません。先にビルドしてください。"));
    return false;
}

// As Build takes them: hand edits first, and no version is raised for
// settings a handset could not read.
bool Upload::settingsReady()
{
    const Result<> ready = settingsReadyForDescriptor(m_services.store, m_project, [this](const QString &line) { log(line); });
    if (ready)
        return true;
    log(ready.error());
    log(QStringLiteral("アップロードを中止します。"));
    return false;
}

bool Upload::raiseVersion()
{
    if (const Result<qint32> next = nextMinorVersion(m_project.minor); !next) {
        log(next.error());
        return false;
    }
    const Result<qint32> raised = m_services.store.raiseMinorVersion(m_project);
    if (!raised) {
        // A version that is not stored would be announced again by the next
        // upload, with other contents.
        log(raised.error());
        log(QStringLiteral("バージョン番号を保存できなかったため、アップロードを中止します。"));
        return false;
    }
    m_project.minor = *raised;
    return true;
}

bool Upload::writeProducts()
{
    log(QStringLiteral("JAMファイルの生成中..."));
    const QString jam = m_paths.descriptor();
    if (const Result<> written = WriteJamFile(m_project, m_services.clock.now()); !written) {
        log(jam + QStringLiteral("の保存に失敗しました。アップロードを中止します。"));
        log(written.error());
        return false;
    }
    log(jam + QStringLiteral("に生成しました。"));
    if (const Result<> recorded = recordWrittenDescriptor(m_services.store, m_project); !recorded)
        log(recorded.error());

    AppendLog(m_services.events, kCrLf + QStringLiteral("HTMLファイルの生成中...") + kCrLf);
    const QString html = m_paths.page();
    if (const Result<> written = WriteHtmlFile(m_project, m_settings.WebUrl); !written) {
        log(html + QStringLiteral("の保存に失敗しました。アップロードを中止します。"));
        log(written.error());
        return false;
    }
    AppendLog(m_services.events, kCrLf + QStringLiteral("HTMLファイルを保存しました。") + html + kCrLf);
    return true;
}

bool Upload::send(FtpClient &ftp)
{
    const QString &host = m_settings.FtpUrl;
    log(host + QStringLiteral("に接続しています。"));
    const ConnectResult result = ftp.Connect(host, m_settings.FtpId, m_settings.FtpPassword);
    if (result != ConnectResult::Connected) {
        logConnectFailure(ftp, result);
        return false;
    }
    log(host + QStringLiteral("に接続しました。"));
    if (!sendFiles(ftp))
        return false;
    log(QStringLiteral("アップロード作業は成功しました。"));
    log(QStringLiteral("ケータイで ") + phoneAddress(m_settings.WebUrl, m_project.name)
        + QStringLiteral(" にアクセスしてください。"));
    return true;
}

bool Upload::sendFiles(FtpClient &ftp)
{
    const QString &name = m_project.name;
    const ProjectPaths &project = m_paths;
    const struct {
        QString extension;
        QString localPath;
        TransferMode mode;
    } files[] = {
        {QStringLiteral(".jar"), project.archive(), TransferMode::Binary},
        {QStringLiteral(".jam"), project.descriptor(), TransferMode::Text},
        {QStringLiteral(".htm"), project.page(), TransferMode::Text},
    };
    for (const auto &file : files) {
        log(name + file.extension + QStringLiteral("をサーバにアップロードしています。"));
        // The outcome is logged as the number 1 (stored) or 0 before its
        // word; a refusal is worded by the upload's own line, which tells
        // the user what to look at, and then by the server's reply, which
        // may name another cause (a folder that does not exist).
        if (const Result<> stored = ftp.PutFile(file.localPath, m_settings.FtpPath, file.mode); !stored) {
            AppendLog(m_services.events, QStringLiteral("0...失敗"));
            log(QStringLiteral("アクセス権が無いためにファイルを保存できないか、サーバがダウンしました。"
                     "アクセス権の設定を確認し、もう一度試してみてください。"));
            if (!stored.error().isEmpty())
                log(stored.error());
            return false;
        }
        AppendLog(m_services.events, QStringLiteral("1...成功"));
    }
    return true;
}

void Upload::logConnectFailure(FtpClient &ftp, ConnectResult result)
{
    const QString &host = m_settings.FtpUrl;
    switch (result) {
    case ConnectResult::HostNotFound:
        log(host + QStringLiteral("が見つかりません。"));
        log(QStringLiteral("URLが正しいかどうか確認してください。"));
        break;
    case ConnectResult::NoConnection:
    case ConnectResult::ConnectionBroken:
        log(host + QStringLiteral("との接続に障害が起きました。"));
        log(QStringLiteral("もう一度再接続してみてください。"));
        break;
    case ConnectResult::LoginRefused:
        log(QStringLiteral("ユーザ名またはパスワードが正しくありません。"));
        break;
    default:
        log(QStringLiteral("エラーコード：") + QString::number(static_cast<int>(result)) + QLatin1Char(' ') + ftp.GetReply());
        break;
    }
}

} // namespace

QString phoneAddress(const QString &webUrl, const QString &projectName)
{
    return webFolderAddress(webUrl) + QLatin1Char('/') + projectName + QStringLiteral(".htm");
}

void Upload_Click(Services &services, OpenedProject &project)
{
    ActionUnderWay underWay(services.events, ActionKind::Upload);
    underWay.succeeded(Upload(services, project).run());
}
