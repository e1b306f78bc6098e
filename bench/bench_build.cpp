// A build through the program against the same four command lines run by a
// plain shell script, on the stand-in tools. Prints the medians and their
// ratio (goal: at most 1.05); never fails.
#include "sample_project.h"
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

bool prepare(const QString &root)
{
    QMap<QString, QString> sources{{kName + QStringLiteral(".java"), QStringLiteral("import com.nttdocomo.ui.*;\r\npublic class %1 extends IApplication {\r\n"
                                          "    public void start() {\r\n    }\r\n}\r\n").arg(kName)}};
    return prepareSampleProject(root, kName, sources);
}


// The same command lines in their folders; they are valid shell as they stand.
QString shellScript(const SettingsStore &store)
{
    const Toolchain tools = Toolchain::fromSettings(store.settings(), store.style());
    const ProjectPaths paths = sampleProject(store, kName).paths;
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
    if (!QFileInfo(standinPath(QStringLiteral("jdk/bin/javac"))).isExecutable()) {
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
        program << timeProgramBuild(store, kName, &programOk);
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
