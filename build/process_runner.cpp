#include "build/process_runner.h"

#include "app/line_ends.h"
#include "build/command_line.h"
#include "build/tool_group.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {

// How long a stopped tool may take to end on its own before it is killed,
// how often the stop looks whether it has, and how long after the kill it
// still waits for the rest of the group.
constexpr int kStopGraceMs = 500;
constexpr int kStopPollMs = 50;
constexpr int kAfterKillMs = 2000;

// The output with one more line after what the tool printed.
QString withLine(const QString &output, const QString &line)
{
    if (output.isEmpty())
        return line;
    return output + (output.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")) + line;
}

CommandResult stoppedResult(const QString &program, const QString &output)
{
    return {-1, withLine(output, QStringLiteral("%1 を中止しました。").arg(program)), true};
}

// One tool from its start to its end, with what it printed.
class ToolRun
{
public:
    bool prepare(const QString &commandLine, const QString &folder);
    QString program() const { return m_process.program(); }
    CommandResult exec();
    void stop();

private:
    void read();
    void checkStop();
#ifdef Q_OS_WIN
    void passLineUnchanged();
    QString m_commandLine;
#endif
    QString output();
    CommandResult result();

    QProcess m_process;
    ToolGroup m_group;
    QEventLoop m_loop;
    QTimer m_stopTimer;
    QElapsedTimer m_sinceStop;
    QByteArray m_captured;
    bool m_cut = false;
    bool m_stopping = false;
    bool m_killed = false;
};

bool ToolRun::prepare(const QString &commandLine, const QString &folder)
{
    const QStringList arguments = splitCommandLine(commandLine, folder);
    if (arguments.isEmpty())
        return false;
    m_process.setProgram(arguments.first());
#ifdef Q_OS_WIN
    m_commandLine = commandLine;
#else
    m_process.setArguments(arguments.mid(1));
#endif
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    return true;
}

CommandResult ToolRun::exec()
{
    QObject::connect(&m_process, &QProcess::readyRead, &m_loop, [this] { read(); });
    QObject::connect(&m_process, &QProcess::finished, &m_loop, [this] {
        if (m_stopping)
            checkStop();
        else
            m_loop.quit();
    });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_loop, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            m_loop.quit();
    });
    QObject::connect(&m_stopTimer, &QTimer::timeout, &m_loop, [this] { checkStop(); });

    m_group.prepare(m_process);
#ifdef Q_OS_WIN
    passLineUnchanged();
#endif
    m_process.start();
    if (m_process.state() != QProcess::NotRunning)
        m_group.started(m_process);
    // Input is let through: held back, it would be replayed once the tool
    // ended. The window drops all of it but the Esc that stops the tool.
    if (m_process.state() != QProcess::NotRunning || m_process.error() != QProcess::FailedToStart)
        m_loop.exec();
    return result();
}

#ifdef Q_OS_WIN
// The Windows tools split their own command line, so it goes to the start
// exactly as written: Qt would quote the program its own way and add the
// arguments after it. Set after the group's own change to the start.
void ToolRun::passLineUnchanged()
{
    const QProcess::CreateProcessArgumentModifier groupChange = m_process.createProcessArgumentsModifier();
    m_process.setCreateProcessArgumentsModifier([this, groupChange](QProcess::CreateProcessArguments *start) {
        // The start may write into the line: it is this run's own copy.
        start->arguments = reinterpret_cast<wchar_t *>(m_commandLine.data());
        if (groupChange)
            groupChange(start);
    });
}
#endif

void ToolRun::read()
{
    // Keep reading past the limit, so the tool never blocks on a full pipe.
    const QByteArray chunk = m_process.readAll();
    const qsizetype room = kMaxCapturedOutput - m_captured.size();
    if (chunk.size() > room)
        m_cut = true;
    m_captured += chunk.left(qMax<qsizetype>(room, 0));
}

void ToolRun::stop()
{
    if (m_stopping)
        return;
    m_stopping = true;
    m_group.terminate();
    m_sinceStop.start();
    m_stopTimer.start(kStopPollMs);
}

// The loop ends once the tool and everything it started are gone; what has
// not gone by the end of the grace is killed.
void ToolRun::checkStop()
{
    const qint64 elapsed = m_sinceStop.elapsed();
    if (m_process.state() == QProcess::NotRunning
        && (m_group.isEmpty() || elapsed >= kStopGraceMs + kAfterKillMs)) {
        m_loop.quit();
        return;
    }
    if (!m_killed && elapsed >= kStopGraceMs) {
        m_group.kill();
        m_killed = true;
    }
}

QString ToolRun::output()
{
    read();
    QString text = toLfLineEnds(QString::fromLocal8Bit(m_captured));
    if (m_cut)
        text = withLine(text, QStringLiteral("(出力が長すぎるため、ここで打ち切りました)"));
    return text;
}

CommandResult ToolRun::result()
{
    if (m_stopping)
        return stoppedResult(program(), output());
    if (m_process.error() == QProcess::FailedToStart)
        return {-1, QStringLiteral("%1 を起動できませんでした: %2").arg(program(), m_process.errorString())};
    const QString text = output();
    if (m_process.exitStatus() == QProcess::CrashExit)
        return {-1, withLine(text, QStringLiteral("%1 が異常終了しました。").arg(program()))};
    const int code = m_process.exitCode();
    // A tool that fails without a word still leaves the reason in the log.
    if (code != 0 && text.isEmpty())
        return {code, QStringLiteral("%1 が終了コード %2 で終了しました。").arg(program()).arg(code)};
    return {code, text};
}

} // namespace

// One action's runner. Once stopped it stays stopped, so the rest of that
// action starts nothing.
class ProcessCommandRunner : public CommandRunner
{
public:
    ProcessCommandRunner(std::shared_ptr<QList<ProcessCommandRunner *>> live, bool stopped)
        : m_live(std::move(live))
        , m_stopped(stopped)
    {
        m_live->append(this);
    }
    ~ProcessCommandRunner() override { m_live->removeOne(this); }

    CommandResult RunCommand(const QString &commandLine, const QString &workingFolder) override;
    void stop();

private:
    std::shared_ptr<QList<ProcessCommandRunner *>> m_live;
    ToolRun *m_running = nullptr;
    bool m_stopped = false;
};

CommandResult ProcessCommandRunner::RunCommand(const QString &commandLine, const QString &workingFolder)
{
    ToolRun run;
    if (!run.prepare(commandLine, workingFolder))
        return {-1, QStringLiteral("実行するコマンドがありません。"), m_stopped};
    if (m_stopped)
        return stoppedResult(run.program(), QString());
    m_running = &run;
    const CommandResult result = run.exec();
    m_running = nullptr;
    return result;
}

void ProcessCommandRunner::stop()
{
    m_stopped = true;
    if (m_running)
        m_running->stop();
}

std::unique_ptr<CommandRunner> ProcessCommandRunnerFactory::CreateCommandRunner()
{
    return std::make_unique<ProcessCommandRunner>(m_live, m_forGood);
}

void ProcessCommandRunnerFactory::stopRunning()
{
    for (ProcessCommandRunner *runner : std::as_const(*m_live))
        runner->stop();
}

void ProcessCommandRunnerFactory::stopForGood()
{
    m_forGood = true;
    stopRunning();
}
