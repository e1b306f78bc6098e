#include "sample_project.h"

#include "app/clock.h"
#include "app/code_page.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "build/build_pipeline.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "program/headless_workbench.h"
#include "ui/source_text.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (!(it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(source, target)))
            return false;
    }
    return true;
}

} // namespace

QString standinPath(const QString &relative)
{
    return QStringLiteral(QUENVEL_STANDIN_DIR) + QLatin1Char('/') + relative;
}

bool prepareSampleProject(const QString &root, const QString &name, const QMap<QString, QString> &sources)
{
    const QString sdk = root + QStringLiteral("/sdk");
    const QString ini = QStringLiteral("[Global]\r\nlastProject=%1\r\nJAVA_PATH=%2\r\nDOJA_PATH=%3\r\n")
                            .arg(name, standinPath(QStringLiteral("jdk")), sdk);
    const QString project = sdk + QStringLiteral("/apps/") + name;
    bool ok = QDir().mkpath(sdk) && copyTree(standinPath(QStringLiteral("doja")), sdk)
              && writeFile(root + QStringLiteral("/app/Tovra.ini"), *toCodePage(ini));
    for (auto source = sources.cbegin(); ok && source != sources.cend(); ++source)
        ok = writeFile(project + QStringLiteral("/src/") + source.key(), *toCodePage(source.value()));
    return ok && writeFile(project + QStringLiteral("/res/icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8))
           && QDir().mkpath(project + QStringLiteral("/bin"));
}

OpenedProject sampleProject(const SettingsStore &store, const QString &name)
{
    const AppSettings &s = store.settings();
    return {name, ProjectPaths(s.DOJA_PATH, name, store.style()), s.major, s.minor, {}, {}};
}

double timeProgramBuild(SettingsStore &store, const QString &name, bool *ok)
{
    QString log;
    QTextStream out(&log);
    QTextStream err(&log);
    HeadlessWorkbench bench(out, err);
    SourceText document(bench, bench, bench);
    ProcessCommandRunnerFactory runners;
    CurlFtpClientFactory ftp;
    SystemClock clock;
    Services services{store, bench, bench, document, bench, runners, ftp, clock};
    QElapsedTimer timer;
    timer.start();
    OpenedProject project = sampleProject(store, name);
    Compile_Click(services, project);
    *ok = bench.actionSucceeded() && *ok;
    return timer.nsecsElapsed() / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}
