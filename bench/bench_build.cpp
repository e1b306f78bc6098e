// A build through the program against the same four command lines run by a
// plain shell script, on the stand-in tools. Prints the medians and their
// ratio (goal: at most 1.05); never fails.
#include "app/code_page.h"
#include "program/headless_workbench.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/clock.h"
#include "app/toolchain.h"
#include "build/build_commands.h"
#include "build/build_pipeline.h"
#include "build/process_runner.h"
#include "deploy/curl_ftp_client.h"
#include "ui/source_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

const QString kName = QStringLiteral("Bench");
constexpr int kRuns = 5;

QString standin(const QString &relative)
{
    return QStringLiteral(QUENVEL_STANDIN_DIR) + QLatin1Char('/') + relative;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

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

bool prepare(const QString &root)
{
    const QString sdk = root + QStringLiteral("/sdk");
    const QString ini = QStringLiteral("[Global]\r\nlastProject=%1\r\nJAVA_PATH=%2\r\nDOJA_PATH=%3\r\n")
                            .arg(kName, standin(QStringLiteral("jdk")), sdk);
    const QString source = QStringLiteral("import com.nttdocomo.ui.*;\r\npublic class %1 extends IApplication {\r\n"
                                          "    public void start() {\r\n    }\r\n}\r\n").arg(kName);
    const QString project = sdk + QStringLiteral("/apps/") + kName;
    return QDir().mkpath(sdk) && copyTree(standin(QStringLiteral("doja")), sdk)
           && writeFile(root + QStringLiteral("/app/Tovra.ini"), *toCodePage(ini))
           && writeFile(project + QStringLiteral("/src/") + kName + QStringLiteral(".java"), *toCodePage(source))
           && writeFile(project + QStringLiteral("/res/icon.png"), QByteArray("\x89PNG\r\n\x1a\n", 8))
           && QDir().mkpath(project + QStringLiteral("/bin"));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

OpenedProject benchProject(const SettingsStore &store)
{
    const AppSettings &s = store.settings();
    return {kName, ProjectPaths(s.DOJA_PATH, kName, store.style()), s.major, s.minor};
}

// One build as the Build button does it, with no window to paint.
double timeProgramBuild(SettingsStore &store, bool *ok)
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
    OpenedProject project = benchProject(store);
    Compile_Click(services, project);
    *ok = bench.actionSucceeded() && *ok;
    return timer.nsecsElapsed() / 1e6;
}

// The same command lines in their folders; they are valid shell as they stand.
QString shellScript(const SettingsStore &store)
{
    const Toolchain tools = Toolchain::fromSettings(store.settings(), store.style());
    const ProjectPaths paths = benchProject(store).paths;
    auto cd = [](const QString &folder) { return QStringLiteral("cd '%1' || exit 1\n").arg(folder); };
    return cd(paths.folder()) + compileCommandLine(tools) + QLatin1Char('\n')
           + preverifyCommandLine(tools) + QLatin1Char('\n')
           + cd(paths.classesFolder()) + packageCommandLine(tools, kName) + QLatin1Char('\n')
           + cd(paths.resourceFolder()) + resourceCommandLine(tools, kName) + QLatin1Char('\n');
}

double timeShellBuild(const QString &script, bool *ok)
{
    QProcess sh;
    QElapsedTimer timer;
    timer.start();
    sh.start(QStringLiteral("/bin/sh"), {script});
    *ok = sh.waitForFinished(600000) && sh.exitCode() == 0 && *ok;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!QFileInfo(standin(QStringLiteral("jdk/bin/javac"))).isExecutable()) {
        std::printf("bench_build: the stand-in tools are not assembled; nothing measured\n");
        return 0;
    }
    QTemporaryDir dir;
    if (!dir.isValid() || !prepare(dir.path())) {
        std::printf("bench_build: could not prepare a sample project; nothing measured\n");
        return 0;
    }
    SettingsStore store(dir.path() + QStringLiteral("/app"), PathStyle::native());
    if (const Result<> loaded = store.LoadSettings(); !loaded) {
        std::printf("bench_build: %s\n", qPrintable(loaded.error()));
        return 0;
    }
    const QString script = dir.path() + QStringLiteral("/build.sh");
    writeFile(script, shellScript(store).toUtf8());

    QList<double> program;
    QList<double> shell;
    bool programOk = true;
    bool shellOk = true;
    // Alternate, so that a warming disk cache favours neither side.
    for (int i = 0; i < kRuns; ++i) {
        program << timeProgramBuild(store, &programOk);
        shell << timeShellBuild(script, &shellOk);
    }
    const double programMs = median(program);
    const double shellMs = median(shell);
    std::printf("build through the program: median %.1f ms of %d%s\n", programMs, kRuns,
                programOk ? "" : " (some builds did not succeed)");
    std::printf("same commands by /bin/sh:  median %.1f ms of %d%s\n", shellMs, kRuns,
                shellOk ? "" : " (some runs did not succeed)");
    std::printf("ratio %.3f (goal <= 1.05)\n", programMs / shellMs);
    return 0;
}
