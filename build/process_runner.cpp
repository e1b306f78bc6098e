#include "build/process_runner.h"

#include "app/line_ends.h"
#include "build/command_line.h"
#include "build/tool_group.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringDecoder>
#include <QTimer>
#include <utility>

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

// A result that never reached a tool: its whole output is the rest.
CommandResult passedTo(const OutputSink &sink, const CommandResult &run)
{
    if (sink && !run.output.isEmpty())
        sink(run.output);
    return run;
}

using NoteLog = std::function<void(const QString &)>;

// One tool from its start to its end, with what it printed.
class ToolRun
{
public:
    ToolRun(const OutputSink &sink, const NoteLog &notes) : m_sink(sink), m_notes(notes) {}
    // A run let go while its tool still runs (its owner ended) takes the
    // tool's whole group with it, not the tool alone.
    ~ToolRun()
    {
        if (m_process.state() != QProcess::NotRunning)
            m_group.kill();
    }
    bool prepare(const QString &commandLine, const QString &folder, const QStringList &environment = {});
    QString program() const { return m_process.program(); }
    CommandResult exec();
    // Starts the tool and calls ended once from the event loop with its
    // outcome, as exec() would have returned it.
    void start(const RunEnded &ended);
    void stop();

private:
    // Starts the tool; false when it ended at once (it could not start).
    bool begin();
    CommandResult end();
    void finish();
    void read();
    void passCompleteLines();
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
    const OutputSink m_sink;
    const NoteLog &m_notes;
    std::function<void()> m_done;  // once the tool and its group are gone
    bool m_finished = false;
    QStringDecoder m_lineDecoder{QStringConverter::System};
    QString m_lines;        // the complete lines so far, decoded
    QByteArray m_rest;      // what came after the last LF
    qsizetype m_captured = 0;
    bool m_cut = false;
    bool m_stopping = false;
    bool m_killed = false;
};

bool ToolRun::prepare(const QString &commandLine, const QString &folder, const QStringList &environment)
{
    if (!environment.isEmpty()) {
        QProcessEnvironment added = QProcessEnvironment::systemEnvironment();
        for (const QString &entry : environment)
            added.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        m_process.setProcessEnvironment(added);
    }
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
    m_done = [this] { m_loop.quit(); };
    // Input is let through: held back, it would be replayed once the tool
    // ended. The window drops all of it but the Esc that stops the tool.
    if (begin())
        m_loop.exec();
    return end();
}

void ToolRun::start(const RunEnded &ended)
{
    // The outcome goes out from a later turn of the loop: whoever takes it
    // may then let this run go.
    m_done = [this, ended] {
        QTimer::singleShot(0, &m_stopTimer, [this, ended] { ended(end()); });
    };
    if (!begin())
        finish();
}

void ToolRun::finish()
{
    if (!std::exchange(m_finished, true))
        m_done();
}

bool ToolRun::begin()
{
    QObject::connect(&m_process, &QProcess::readyRead, &m_loop, [this] { read(); });
    QObject::connect(&m_process, &QProcess::finished, &m_loop, [this] {
        if (m_stopping)
            checkStop();
        else
            finish();
    });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_loop, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish();
    });
    QObject::connect(&m_stopTimer, &QTimer::timeout, &m_loop, [this] { checkStop(); });

    m_group.prepare(m_process);
#ifdef Q_OS_WIN
    passLineUnchanged();
#endif
    m_process.start();
    if (m_process.state() != QProcess::NotRunning) {
        m_group.started(m_process);
        // Beside the output, not in it: the tool's result stays its own.
        if (const QString reason = m_group.unguardedReason(); !reason.isEmpty() && m_notes)
            m_notes(QStringLiteral("%1 を見張りの下に置けませんでした (%2)。プログラムが終わっても、%1 が起動したプロセスが残ることがあります。")
                        .arg(program(), reason));
    }
    return m_process.state() != QProcess::NotRunning || m_process.error() != QProcess::FailedToStart;
}

CommandResult ToolRun::end()
{
    m_stopTimer.stop();
    const CommandResult run = result();
    Q_ASSERT(run.output.startsWith(m_lines));
    if (m_sink && run.output.size() > m_lines.size())
        m_sink(run.output.sliced(m_lines.size()));
    return run;
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
    const qsizetype room = kMaxCapturedOutput - m_captured;
    if (chunk.size() > room)
        m_cut = true;
    const QByteArray kept = chunk.left(qMax<qsizetype>(room, 0));
    m_captured += kept.size();
    m_rest += kept;
    passCompleteLines();
}

// Each line is decoded when its LF arrives. The byte 0x0A never occurs inside
// a multi-byte character of UTF-8 or code page 932, and the decoder keeps
// what the start of the output settled (a byte order mark is dropped there
// only), so the lines decode as the whole output would.
void ToolRun::passCompleteLines()
{
    const qsizetype end = m_rest.lastIndexOf('\n') + 1;
    if (end == 0)
        return;
    const QByteArray complete = m_rest.left(end);
    m_rest.remove(0, end);
    for (qsizetype start = 0; start < complete.size();) {
        const qsizetype lineEnd = complete.indexOf('\n', start) + 1;
        const QString line = toLfLineEnds(m_lineDecoder(QByteArrayView(complete).sliced(start, lineEnd - start)));
        start = lineEnd;
        m_lines += line;
        if (m_sink)
            m_sink(line);
    }
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
        finish();
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
    // The last line may stop inside a character, as the whole output would.
    QStringDecoder lastLine(QStringConverter::System, m_lines.isEmpty()
                                                          ? QStringConverter::Flag::Stateless
                                                          : QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = m_lines + toLfLineEnds(lastLine(m_rest));
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
    ProcessCommandRunner(std::shared_ptr<QList<ProcessCommandRunner *>> live,
                         std::shared_ptr<const NoteLog> notes, bool stopped)
        : m_live(std::move(live))
        , m_notes(std::move(notes))
        , m_stopped(stopped)
    {
        m_live->append(this);
    }
    ~ProcessCommandRunner() override { m_live->removeOne(this); }

    CommandResult RunCommand(const QString &commandLine, const QString &workingFolder, const OutputSink &sink) override;
    void startCommand(const QString &commandLine, const QString &workingFolder, const OutputSink &sink,
                      const QStringList &environment, const RunEnded &ended) override;
    void stop();

private:
    std::shared_ptr<QList<ProcessCommandRunner *>> m_live;
    std::shared_ptr<const NoteLog> m_notes;
    QObject m_context;                   // for outcomes handed on later
    std::unique_ptr<ToolRun> m_started;  // the run startCommand left going
    ToolRun *m_running = nullptr;
    bool m_stopped = false;
};

CommandResult ProcessCommandRunner::RunCommand(const QString &commandLine, const QString &workingFolder,
                                               const OutputSink &sink)
{
    ToolRun run(sink, *m_notes);
    if (!run.prepare(commandLine, workingFolder))
        return passedTo(sink, {-1, QStringLiteral("実行するコマンドがありません。"), m_stopped});
    if (m_stopped)
        return passedTo(sink, stoppedResult(run.program(), QString()));
    m_running = &run;
    const CommandResult result = run.exec();
    m_running = nullptr;
    return result;
}

void ProcessCommandRunner::startCommand(const QString &commandLine, const QString &workingFolder,
                                        const OutputSink &sink, const QStringList &environment, const RunEnded &ended)
{
    m_started = std::make_unique<ToolRun>(sink, *m_notes);
    if (!m_started->prepare(commandLine, workingFolder, environment)) {
        const CommandResult none = passedTo(sink, {-1, QStringLiteral("実行するコマンドがありません。"), m_stopped});
        QTimer::singleShot(0, &m_context, [ended, none] { ended(none); });
        return;
    }
    if (m_stopped) {
        const CommandResult stopped = passedTo(sink, stoppedResult(m_started->program(), QString()));
        QTimer::singleShot(0, &m_context, [ended, stopped] { ended(stopped); });
        return;
    }
    m_running = m_started.get();
    m_started->start([this, ended](const CommandResult &run) {
        m_running = nullptr;
        ended(run);
    });
}

void ProcessCommandRunner::stop()
{
    m_stopped = true;
    if (m_running)
        m_running->stop();
}

std::unique_ptr<CommandRunner> ProcessCommandRunnerFactory::CreateCommandRunner()
{
    return std::make_unique<ProcessCommandRunner>(m_live, m_notes, m_forGood);
}

void ProcessCommandRunnerFactory::setNoteLog(const std::function<void(const QString &line)> &log)
{
    *m_notes = log;
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
