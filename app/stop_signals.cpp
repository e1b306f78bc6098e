#include "app/stop_signals.h"

#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifndef Q_OS_WIN

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = int(sizeof kSignals / sizeof kSignals[0]);

// A signal handler reaches nothing but what is global: the write end of the
// pipe that wakes the event loop, and the number of the signal.
volatile sig_atomic_t g_wakeFd = -1;
volatile sig_atomic_t g_signal = 0;
struct sigaction g_previous[kSignalCount];

void noteSignal(int number)
{
    const int savedErrno = errno;
    g_signal = number;
    const char byte = 1;
    // Non-blocking: when the pipe is full, a wake-up is already waiting.
    [[maybe_unused]] const ssize_t written = write(g_wakeFd, &byte, 1);
    errno = savedErrno;
}

bool openPipe(int fds[2])
{
    if (pipe(fds) != 0)
        return false;
    for (int i = 0; i < 2; ++i) {
        // Not inherited by the tools, never blocking the handler.
        fcntl(fds[i], F_SETFD, FD_CLOEXEC);
        fcntl(fds[i], F_SETFL, fcntl(fds[i], F_GETFL) | O_NONBLOCK);
    }
    return true;
}

} // namespace

StopOnSignals::StopOnSignals(std::function<void()> handler) : m_handler(std::move(handler))
{
    Q_ASSERT(g_wakeFd == -1);
    // Without the pipe the signals keep their usual effect; the tools still
    // die with the program.
    if (!openPipe(m_pipe))
        return;
    g_signal = 0;
    g_wakeFd = m_pipe[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        drain();
        if (m_handler)
            m_handler();
    });

    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i) {
        sigaction(kSignals[i], &action, &g_previous[i]);
        // nohup and background jobs ignore some of these on purpose.
        if (g_previous[i].sa_handler == SIG_IGN)
            sigaction(kSignals[i], &g_previous[i], nullptr);
    }
}

StopOnSignals::~StopOnSignals()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < kSignalCount; ++i)
        sigaction(kSignals[i], &g_previous[i], nullptr);
    g_wakeFd = -1;
    m_notifier.reset();
    close(m_pipe[0]);
    close(m_pipe[1]);
}

int StopOnSignals::signalNumber() const
{
    return g_signal;
}

void StopOnSignals::drain()
{
    char bytes[64];
    while (read(m_pipe[0], bytes, sizeof bytes) > 0) {
    }
}

#else

StopOnSignals::StopOnSignals(std::function<void()> handler) : m_handler(std::move(handler)) {}
StopOnSignals::~StopOnSignals() = default;

int StopOnSignals::signalNumber() const
{
    return 0;
}

void StopOnSignals::drain() {}

#endif
