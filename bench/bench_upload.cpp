// Upload of a 5 MB archive with its descriptor and page to a local pyftpdlib,
// against curl -T of the same three files to the same server. Goal: our
// upload takes at most 1.1 times as long. Prints its figures; never fails.

#include "app/code_page.h"
#include "app/opened_project.h"
#include "app/path_style.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "deploy/curl_ftp_client.h"
#include "deploy/upload.h"
#include "tests/support/fake_command_runner.h"
#include "tests/support/fake_workbench.h"
#include "tests/support/fixed_clock.h"
#include "ui/source_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 7;
constexpr qint64 kArchiveBytes = 5 * 1024 * 1024;
const QString kUser = QStringLiteral("bench");
const QString kPassword = QStringLiteral("bench-pw");
const QString kName = QStringLiteral("Bench");

// A quiet pyftpdlib with one writing user on a port of its own choosing,
// which it prints first.
const char kServerScript[] = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.basicConfig(level=logging.WARNING)
users = DummyAuthorizer()
users.add_user(sys.argv[1], sys.argv[2], sys.argv[3], perm='elradfmwMT')
FTPHandler.authorizer = users
server = FTPServer(('127.0.0.1', 0), FTPHandler)
print(server.address[1], flush=True)
server.serve_forever()
)";

quint16 startServer(QProcess &server, const QString &root)
{
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromLatin1(kServerScript), kUser, kPassword, root});
    if (!server.waitForStarted(5000) || !server.waitForReadyRead(10000))
        return 0;
    return server.readLine().trimmed().toUShort();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values[values.size() / 2];
}

double secondsOf(QElapsedTimer &timer) { return timer.nsecsElapsed() / 1e9; }

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString serverRoot = dir.path() + QStringLiteral("/server");
    const QString appDir = dir.path() + QStringLiteral("/app");
    const QString sdk = dir.path() + QStringLiteral("/sdk");
    const QString bin = sdk + QStringLiteral("/apps/") + kName + QStringLiteral("/bin");
    QDir().mkpath(serverRoot + QStringLiteral("/ours"));
    QDir().mkpath(serverRoot + QStringLiteral("/curl"));
    QDir().mkpath(appDir);
    QDir().mkpath(bin);

    QByteArray archive(kArchiveBytes, Qt::Uninitialized);
    QRandomGenerator generator(20010904);
    generator.fillRange(reinterpret_cast<quint32 *>(archive.data()), archive.size() / 4);
    writeBytes(bin + QLatin1Char('/') + kName + QStringLiteral(".jar"), archive);

    QProcess server;
    const quint16 port = startServer(server, serverRoot);
    if (port == 0) {
        std::printf("bench_upload: the local FTP server did not start; no figures\n");
        return 0;
    }

    const QString host = QStringLiteral("127.0.0.1:%1").arg(port);
    const QString ini = QStringLiteral("[Global]\r\nlastProject=%1\r\nWebUrl=web.example.net\r\nFtpUrl=%2\r\n"
                                       "FtpId=%3\r\nFtpPassword=%4\r\nFtpPath=ours\r\nJAVA_PATH=/opt/jdk\r\n"
                                       "DOJA_PATH=%5\r\n")
                            .arg(kName, host, kUser, kPassword, sdk);
    writeBytes(appDir + QStringLiteral("/Tovra.ini"), toCodePage(ini).value_or(QByteArray()));
    SettingsStore store(appDir, PathStyle::posix());
    if (const Result<> loaded = store.LoadSettings(); !loaded) {
        std::printf("bench_upload: %s\n", qPrintable(loaded.error()));
        return 0;
    }
    FakeWorkbench bench;
    SourceText document(bench, bench, bench);
    FakeCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    FixedClock clock;
    Services services{store, bench, bench, document, bench, runners, ftp, clock};
    OpenedProject project{kName, ProjectPaths(sdk, kName, store.style()), store.settings().major, store.settings().minor};

    QList<double> ours;
    QList<double> theirs;
    bool allStored = true;
    const QString url = QStringLiteral("ftp://%1:%2@%3/curl/").arg(kUser, kPassword, host);
    const QString files = QStringLiteral("{%1/%2.jar,%1/%2.jam,%1/%2.htm}").arg(bin, kName);
    for (int run = 0; run < kRuns; ++run) {
        bench.log.clear();
        QElapsedTimer timer;
        timer.start();
        Upload_Click(services, project);
        allStored = bench.results.last() && allStored;
        ours << secondsOf(timer);

        QProcess curl;
        curl.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        curl.setStandardOutputFile(QProcess::nullDevice());
        timer.restart();
        curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("-T"), files, url});
        curl.waitForFinished(120000);
        theirs << secondsOf(timer);
        allStored = allStored && curl.exitCode() == 0;
    }

    server.terminate();
    if (!server.waitForFinished(5000))
        server.kill();

    const double a = median(ours);
    const double b = median(theirs);
    std::printf("bench_upload: 5 MB archive, descriptor and page to a local pyftpdlib, median of %d runs\n", kRuns);
    std::printf("  Upload_Click      %8.3f s\n", a);
    std::printf("  curl -T           %8.3f s\n", b);
    std::printf("  ratio             %8.2f  (goal <= 1.10)%s\n", b > 0 ? a / b : 0.0,
                allStored ? "" : "  [some transfers failed; figures are not comparable]");
    if (!allStored)
        std::printf("  last upload log:%s\n", qPrintable(bench.log.replace(QStringLiteral("\r\n"), QStringLiteral("\n    "))));
    return 0;
}
