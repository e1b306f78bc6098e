#include "build/process_runner.h"

#include "build/command_line.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>

namespace {

int g_running = 0;

struct RunningMark {
    RunningMark() { ++g_running; }
    ~RunningMark() { --g_running; }
};

class ProcessCommandRunner : public CommandRunner
{
public:
    CommandResult RunCommand(const QString &commandLine) override;

private:
    static bool prepare(QProcess &process, const QString &commandLine);
};

bool ProcessCommandRunner::prepare(QProcess &process, const QString &commandLine)
{
    const QString folder = QDir::currentPath();
    const QStringList arguments = splitCommandLine(commandLine, folder);
    if (arguments.isEmpty())
        return false;
    process.setProgram(arguments.first());
#ifdef Q_OS_WIN
    // The Windows tools split their own command line: hand it on as written.
    const qsizetype programEnd = commandLine.indexOf(arguments.first()) + arguments.first().size();
    process.setNativeArguments(commandLine.mid(commandLine.indexOf(QLatin1Char(' '), programEnd) + 1));
#else
    process.setArguments(arguments.mid(1));
#endif
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    return true;
}

CommandResult ProcessCommandRunner::RunCommand(const QString &commandLine)
{
    QProcess process;
    if (!prepare(process, commandLine))
        return {-1, QStringLiteral("実行するコマンドがありません。")};

    QByteArray captured;
    bool cut = false;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::readyRead, &loop, [&] {
        // Keep reading past the limit, so the tool never blocks on a full pipe.
        const QByteArray chunk = process.readAll();
        const qsizetype room = kMaxCapturedOutput - captured.size();
        if (chunk.size() > room)
            cut = true;
        captured += chunk.left(qMax<qsizetype>(room, 0));
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });

    RunningMark running;
    process.start();
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (process.error() == QProcess::FailedToStart)
        return {-1, QStringLiteral("%1 を起動できませんでした: %2").arg(process.program(), process.errorString())};

    captured += process.readAll().left(qMax<qsizetype>(kMaxCapturedOutput - captured.size(), 0));
    QString output = QString::fromLocal8Bit(captured);
    output.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (cut)
        output += QStringLiteral("\n(出力が長すぎるため、ここで打ち切りました)");
    if (process.exitStatus() == QProcess::CrashExit) {
        output += QStringLiteral("\n%1 が異常終了しました。").arg(process.program());
        return {-1, output};
    }
    return {process.exitCode(), output};
}

} // namespace

std::unique_ptr<CommandRunner> ProcessCommandRunnerFactory::CreateCommandRunner()
{
    return std::make_unique<ProcessCommandRunner>();
}

bool isCommandRunning()
{
    return g_running > 0;
}
