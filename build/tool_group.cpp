#include "build/tool_group.h"

#include <QProcess>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#endif

#ifdef Q_OS_LINUX
namespace {

constexpr int kMaxWatched = 64;
// How long the program waits to hear from a tool whether the guardian took
// it; the tool says so before it starts its program.
constexpr int kRegistrationWaitMs = 5000;

// One message on the guardian's socket: a tool's group, with a pidfd of the
// tool beside it. Filled in place; the header points into the object.
struct ToolMessage {
    pid_t group = 0;
    char control[CMSG_SPACE(sizeof(int))] = {};
    iovec data = {&group, sizeof group};
    msghdr header = {};

    ToolMessage()
    {
        header.msg_iov = &data;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof control;
    }
    ToolMessage(const ToolMessage &) = delete;
};

// What the guardian watches: slot 0 is the program's socket, each other
// slot a tool's pidfd with the tool's group.
struct Watched {
    pollfd fds[1 + kMaxWatched] = {{0, POLLIN, 0}};
    pid_t groups[1 + kMaxWatched] = {};
    int count = 1;
};

[[noreturn]] void endAll(const Watched &watched)
{
    for (int i = 1; i < watched.count; ++i)
        kill(-watched.groups[i], SIGKILL);
    _exit(0);
}

// Takes every registration queued on the socket, so a tool that registered
// just before the program ended is ended with it. False once the program's
// end is closed and nothing is left to read.
bool takeRegistrations(Watched &watched)
{
    for (;;) {
        ToolMessage message;
        const ssize_t got = recvmsg(0, &message.header, MSG_DONTWAIT | MSG_CMSG_CLOEXEC);
        if (got == 0)
            return false;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        const cmsghdr *header = CMSG_FIRSTHDR(&message.header);
        if (!header || header->cmsg_type != SCM_RIGHTS)
            continue;
        int tool = -1;
        memcpy(&tool, CMSG_DATA(header), sizeof tool);
        if (got != ssize_t(sizeof message.group) || watched.count == 1 + kMaxWatched) {
            close(tool);
            continue;
        }
        watched.fds[watched.count] = {tool, POLLIN, 0};
        watched.groups[watched.count++] = message.group;
    }
}

// The guardian: one process for the program, that nobody waits for. Each
// tool hands it a pidfd of itself; when a tool ends it ends what the tool
// left running in its group, and when the program dies (its end of the
// socket closes, even on SIGKILL) it ends every group it still watches.
// The kernel alone would end only the tool.
// It runs in a copy of the program made by fork: plain system calls only.
// lagMs (tests only) holds back each round, as a busy machine may.
[[noreturn]] void watchTools(int program, int lagMs)
{
    signal(SIGINT, SIG_IGN);
    signal(SIGHUP, SIG_IGN);
    signal(SIGTERM, SIG_IGN);
    // Open ends of the program's pipes would keep a reader waiting.
    dup2(program, 0);
    if (close_range(1, ~0U, 0) != 0) {
        for (int fd = 1; fd < 1024; ++fd)
            close(fd);
    }
    Watched watched;
    for (;;) {
        if (poll(watched.fds, nfds_t(watched.count), -1) <= 0)
            continue;
        if (lagMs > 0) {
            usleep(useconds_t(lagMs) * 1000);
            poll(watched.fds, nfds_t(watched.count), 0);
        }
        for (int i = watched.count - 1; i >= 1; --i) {
            if (!watched.fds[i].revents)
                continue;
            kill(-watched.groups[i], SIGKILL);
            close(watched.fds[i].fd);
            --watched.count;
            watched.fds[i] = watched.fds[watched.count];
            watched.groups[i] = watched.groups[watched.count];
        }
        if (watched.fds[0].revents && !takeRegistrations(watched))
            endAll(watched);
    }
}

// The program's side of its guardian.
struct Guardian {
    int socket = -1;
    pid_t pid = 0;
};

Guardian &currentGuardian()
{
    static Guardian guardian;
    return guardian;
}

// For tests, read once: "lag:<ms>" slows the guardian down, "none" stands
// for a guardian that cannot be started.
const QByteArray &testHook()
{
    static const QByteArray hook = qgetenv("QUENVEL_TEST_GUARDIAN");
    return hook;
}

// Starts a guardian: 0, or the error number when there can be none.
int startGuardian(Guardian &started)
{
    if (testHook() == "none")
        return ENOSYS;
    const int lagMs = testHook().startsWith("lag:") ? testHook().mid(4).toInt() : 0;
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
        return errno;
    // Forked twice, so the guardian is nobody's child to wait for. The
    // middle one tells the program the guardian's process id.
    const pid_t middle = fork();
    if (middle == 0) {
        const pid_t watcher = fork();
        if (watcher == 0)
            watchTools(ends[1], lagMs);
        if (watcher > 0)
            send(ends[1], &watcher, sizeof watcher, MSG_NOSIGNAL);
        _exit(0);
    }
    const int forkError = errno;
    close(ends[1]);
    if (middle < 0) {
        close(ends[0]);
        return forkError;
    }
    waitpid(middle, nullptr, 0);
    pid_t watcher = 0;
    if (recv(ends[0], &watcher, sizeof watcher, MSG_DONTWAIT) != ssize_t(sizeof watcher) || watcher <= 0) {
        close(ends[0]);
        return EAGAIN;
    }
    started = {ends[0], watcher};
    return 0;
}

// The program's end of a live guardian's socket, a new guardian started
// when there is none yet or the last one is gone; -1, with the error number
// in *error, when none can be had.
int liveGuardian(int *error)
{
    Guardian &guardian = currentGuardian();
    if (guardian.socket >= 0) {
        // The guardian sends nothing after its id: anything to read is the
        // end of its side.
        pollfd end = {guardian.socket, POLLIN, 0};
        if (poll(&end, 1, 0) == 0)
            return guardian.socket;
        close(guardian.socket);
        guardian = {};
    }
    *error = startGuardian(guardian);
    return guardian.socket;
}

// Run by the tool between fork and exec, so the guardian watches it before
// it can start anything: hands the guardian a pidfd of itself, its group.
// Never waits on a guardian that does not read: the tool then runs
// unwatched, and the program says so. 0, or the error number.
int registerWithGuardian(int socket)
{
    ToolMessage message;
    message.group = pid_t(syscall(SYS_getpid));
    const int pidfd = int(syscall(SYS_pidfd_open, message.group, 0));
    if (pidfd < 0)
        return errno;
    cmsghdr *header = CMSG_FIRSTHDR(&message.header);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int));
    memcpy(CMSG_DATA(header), &pidfd, sizeof pidfd);
    const int error = sendmsg(socket, &message.header, MSG_NOSIGNAL | MSG_DONTWAIT) < 0 ? errno : 0;
    close(pidfd);
    return error;
}

QString reasonFor(int error)
{
    return QString::fromLocal8Bit(strerror(error));
}

// Whether a process of the group has not ended yet. One that ended but
// waits to be reaped by whoever adopted it (some containers' first process
// reaps late) counts as gone: it runs nothing any more.
bool hasLiveMember(pid_t group)
{
    DIR *processes = opendir("/proc");
    if (!processes)
        return true;
    bool live = false;
    while (const dirent *entry = readdir(processes)) {
        if (entry->d_name[0] < '1' || entry->d_name[0] > '9')
            continue;
        char path[sizeof "/proc//stat" + sizeof entry->d_name];
        snprintf(path, sizeof path, "/proc/%s/stat", entry->d_name);
        const int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char stat[512];
        const ssize_t size = read(fd, stat, sizeof stat - 1);
        close(fd);
        if (size <= 0)
            continue;
        stat[size] = '\0';
        // After the name in parentheses: state, parent, group.
        const char *afterName = strrchr(stat, ')');
        char state = 0;
        int parent = 0;
        int memberOf = 0;
        if (afterName && sscanf(afterName + 1, " %c %d %d", &state, &parent, &memberOf) == 3 && memberOf == group
            && state != 'Z' && state != 'X') {
            live = true;
            break;
        }
    }
    closedir(processes);
    return live;
}

} // namespace

qint64 toolGuardianProcessId()
{
    return currentGuardian().pid;
}
#endif

ToolGroup::ToolGroup() = default;

ToolGroup::~ToolGroup()
{
    for (const int fd : m_registration) {
        if (fd >= 0)
            close(fd);
    }
}

void ToolGroup::prepare(QProcess &process)
{
#ifdef Q_OS_LINUX
    const pid_t parent = getpid();
    int error = 0;
    const int socket = liveGuardian(&error);
    if (socket < 0)
        m_unguarded = reasonFor(error);
    else if (pipe2(m_registration, O_CLOEXEC) != 0)
        m_registration[0] = m_registration[1] = -1;
    const int report = m_registration[1];
    process.setChildProcessModifier([parent, socket, report] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program may have died before the death signal was asked for.
        if (getppid() != parent)
            _exit(127);
        if (socket < 0)
            return;
        const int error = registerWithGuardian(socket);
        if (report >= 0)
            (void)!write(report, &error, sizeof error);
    });
#else
    process.setChildProcessModifier([] { setpgid(0, 0); });
#endif
}

void ToolGroup::started(QProcess &process)
{
    m_group = process.processId();
    // Also from this side, so a stop that comes at once finds the group made;
    // once the tool has started its program this fails, harmlessly.
    if (m_group > 0)
        setpgid(pid_t(m_group), pid_t(m_group));
#ifdef Q_OS_LINUX
    // What the tool heard from the guardian, told before it starts its
    // program; nothing when it ended before that.
    if (m_registration[0] < 0)
        return;
    close(m_registration[1]);
    m_registration[1] = -1;
    pollfd told = {m_registration[0], POLLIN, 0};
    int error = 0;
    if (poll(&told, 1, kRegistrationWaitMs) == 1 && read(m_registration[0], &error, sizeof error) == ssize_t(sizeof error)
        && error != 0)
        m_unguarded = reasonFor(error);
#endif
}

void ToolGroup::terminate()
{
    if (m_group > 0)
        ::kill(-pid_t(m_group), SIGTERM);
}

void ToolGroup::kill()
{
    if (m_group > 0)
        ::kill(-pid_t(m_group), SIGKILL);
}

bool ToolGroup::isEmpty() const
{
    if (m_group <= 0 || (::kill(-pid_t(m_group), 0) == -1 && errno == ESRCH))
        return true;
#ifdef Q_OS_LINUX
    return !hasLiveMember(pid_t(m_group));
#else
    return false;
#endif
}

QString ToolGroup::unguardedReason() const
{
    return m_unguarded;
}
