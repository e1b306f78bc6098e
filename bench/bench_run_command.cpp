// RunCommand of a trivial program against QProcess started directly: the
// runner's own overhead per call. Goal: within 1.2 times.
#include "build/process_runner.h"

#include <QDir>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int kRuns = 200;
    ProcessCommandRunnerFactory factory;
    auto runner = factory.CreateCommandRunner();
    std::vector<double> viaRunner;
    std::vector<double> direct;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        timer.start();
        runner->RunCommand(QStringLiteral("/bin/true"), QDir::currentPath());
        viaRunner.push_back(timer.nsecsElapsed() / 1e6);

        timer.start();
        QProcess process;
        process.start(QStringLiteral("/bin/true"), {});
        process.waitForFinished();
        direct.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double a = median(viaRunner);
    const double b = median(direct);
    std::printf("RunCommand(/bin/true), median of %d: %.3f ms\n", kRuns, a);
    std::printf("QProcess started directly, median: %.3f ms\n", b);
    std::printf("ratio: %.2f (goal: at most 1.2)\n", a / b);
    return 0;
}
