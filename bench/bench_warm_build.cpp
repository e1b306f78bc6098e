// A warm Build of a 2-file project through the program against the same
// Build with the stand-in tools' compile service off, measured in one run
// (goal: at most 0.3), and the emulator's time from start to its first
// screen written out. Prints the figures; never fails.
#include "sample_project.h"
#include "app/code_page.h"
#include "program/headless_workbench.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/clock.h"
#include "app/toolchain.h"
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
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

const QString kName = QStringLiteral("Bench");
constexpr int kRuns = 7;

bool prepare(const QString &root)
{
    QMap<QString, QString> sources{{kName + QStringLiteral(".java"), QStringLiteral("import com.nttdocomo.ui.*;\r\npublic class %1 extends IApplication {\r\n"
                                          "    public void start() {\r\n"
                                          "        Display.setCurrent(new Canvas() { public void paint(Graphics g) { g.fillRect(0, 0, 8, 8); } });\r\n"
                                          "    }\r\n}\r\n").arg(kName)}};
    sources.insert(QStringLiteral("Board.java"), QStringLiteral("class Board {\r\n    int[] cells = new int[64];\r\n}\r\n"));
    return prepareSampleProject(root, kName, sources);
}


// The emulator as Run starts it, headless, until it has written its first screen and ended.
double timeFirstScreen(SettingsStore &store, const QString &shot, bool *ok)
{
    const Toolchain tools = Toolchain::fromSettings(store.settings(), store.style());
    const QString lib = store.settings().DOJA_PATH + QStringLiteral("/lib/");
    QProcess java;
    java.setWorkingDirectory(sampleProject(store, kName).paths.folder());
    QElapsedTimer timer;
    timer.start();
    java.start(tools.java, {QStringLiteral("-Djava.awt.headless=true"), QStringLiteral("-Ddojaemu.screenshot=") + shot,
                            QStringLiteral("-classpath"),
                            QStringLiteral("%1dojatest.zip:%1kenv.zip:").arg(lib) + QString(tools.classPath).remove(QLatin1Char('"')),
                            QStringLiteral("com.nttdocomo.dojaemu.tests.Tester"), QStringLiteral("jam"), QStringLiteral("phone1color"),
                            QStringLiteral("bin/%1.jam").arg(kName)});
    *ok = java.waitForFinished(60000) && java.exitCode() == 0 && QFileInfo::exists(shot) && *ok;
    return timer.nsecsElapsed() / 1e6;
}

void stopService(const QString &client)
{
    QProcess::execute(client, {QStringLiteral("--stop")});
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString client = standinPath(QStringLiteral("jdk/lib/standin-client"));
    if (!QFileInfo(client).isExecutable()) {
        std::printf("bench_warm_build: the stand-in tools and their client are not assembled; nothing measured\n");
        return 0;
    }
    QTemporaryDir dir;
    if (!dir.isValid() || !prepare(dir.path())) {
        std::printf("bench_warm_build: could not prepare a sample project; nothing measured\n");
        return 0;
    }
    // A service of its own, ended before the bench ends.
    const QString runtime = dir.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("QUENVEL_STANDIN_RUNTIME_DIR", runtime.toLocal8Bit());
    SettingsStore store(dir.path() + QStringLiteral("/app"), PathStyle::native());
    if (const Result<> loaded = store.LoadSettings(); !loaded) {
        std::printf("bench_warm_build: %s\n", qPrintable(loaded.error()));
        return 0;
    }

    QList<double> warm, cold, first;
    bool warmOk = true, coldOk = true, firstOk = true;
    timeProgramBuild(store, kName, &warmOk);  // starts the service
    for (int i = 0; i < 50 && QDir(runtime).isEmpty(); ++i)
        QThread::msleep(100);
    timeProgramBuild(store, kName, &warmOk);  // its first calls warm it
    for (int i = 0; i < kRuns; ++i) {
        qputenv("QUENVEL_STANDIN_SERVICE", "off");
        cold << timeProgramBuild(store, kName, &coldOk);
        qunsetenv("QUENVEL_STANDIN_SERVICE");
        warm << timeProgramBuild(store, kName, &warmOk);
        first << timeFirstScreen(store, dir.path() + QStringLiteral("/shot.png"), &firstOk);
    }
    stopService(client);
    const double warmMs = median(warm);
    const double coldMs = median(cold);
    std::printf("build, service off:   median %.1f ms of %d%s\n", coldMs, kRuns, coldOk ? "" : " (some builds did not succeed)");
    std::printf("build, service warm:  median %.1f ms of %d%s\n", warmMs, kRuns, warmOk ? "" : " (some builds did not succeed)");
    std::printf("ratio %.3f (goal <= 0.3)\n", warmMs / coldMs);
    std::printf("emulator start to first screen written: median %.1f ms of %d%s\n", median(first), kRuns,
                firstOk ? "" : " (some runs did not succeed)");
    return 0;
}
