#include "build/tool_group.h"

#include <QProcess>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#endif
#endif

#ifdef Q_OS_WIN

ToolGroup::ToolGroup()
{
    m_job = CreateJobObjectW(nullptr, nullptr);
    if (!m_job)
        return;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        CloseHandle(m_job);
        m_job = nullptr;
    }
}

ToolGroup::~ToolGroup()
{
    // Closing the last handle ends whatever the tool left running, and the
    // system closes it when the program dies.
    if (m_job)
        CloseHandle(m_job);
}

void ToolGroup::prepare(QProcess &process)
{
    m_process = &process;
    if (!m_job)
        return;
    // Suspended until it is in the job, so nothing it starts can escape.
    process.setCreateProcessArgumentsModifier([this](QProcess::CreateProcessArguments *arguments) {
        arguments->flags |= CREATE_SUSPENDED;
        m_startInfo = arguments->processInformation;
    });
}

void ToolGroup::started(QProcess &)
{
    auto *info = static_cast<PROCESS_INFORMATION *>(m_startInfo);
    m_startInfo = nullptr;
    if (!info)
        return;
    m_assigned = AssignProcessToJobObject(m_job, info->hProcess) != 0;
    ResumeThread(info->hThread);
}

void ToolGroup::terminate()
{
    kill();
}

void ToolGroup::kill()
{
    if (m_assigned)
        TerminateJobObject(m_job, 1);
    else if (m_process)
        m_process->kill();
}

bool ToolGroup::isEmpty() const
{
    if (!m_assigned)
        return true;
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(m_job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr))
        return true;
    return accounting.ActiveProcesses == 0;
}

#else

#ifdef Q_OS_LINUX
namespace {

constexpr int kMaxWatched = 64;

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

[[noreturn]] void endAll(const pid_t *groups, int count)
{
    for (int i = 1; i < count; ++i)
        kill(-groups[i], SIGKILL);
    _exit(0);
}

// The guardian: one process for the whole program, started once, that
// nobody waits for. Each tool hands it a pidfd of itself; when a tool ends
// it ends what the tool left running in its group, and when the program
// dies (its end of the socket closes, even on SIGKILL) it ends every group
// it still watches. The kernel alone would end only the tool.
// It runs in a copy of the program made by fork: plain system calls only.
[[noreturn]] void watchTools(int program)
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
    pollfd watched[1 + kMaxWatched] = {{0, POLLIN, 0}};
    pid_t groups[1 + kMaxWatched] = {};
    int count = 1;
    for (;;) {
        if (poll(watched, nfds_t(count), -1) <= 0)
            continue;
        if (watched[0].revents & (POLLHUP | POLLERR))
            endAll(groups, count);
        for (int i = count - 1; i >= 1; --i) {
            if (!watched[i].revents)
                continue;
            kill(-groups[i], SIGKILL);
            close(watched[i].fd);
            watched[i] = watched[count - 1];
            groups[i] = groups[--count];
        }
        if (!(watched[0].revents & POLLIN))
            continue;
        ToolMessage message;
        const ssize_t got = recvmsg(0, &message.header, 0);
        if (got == 0)
            endAll(groups, count);
        const cmsghdr *header = CMSG_FIRSTHDR(&message.header);
        if (got != ssize_t(sizeof message.group) || !header || header->cmsg_type != SCM_RIGHTS)
            continue;
        int tool = -1;
        memcpy(&tool, CMSG_DATA(header), sizeof tool);
        if (count == 1 + kMaxWatched) {
            close(tool);
            continue;
        }
        watched[count] = {tool, POLLIN, 0};
        groups[count++] = message.group;
    }
}

// The program's end of the guardian's socket, the guardian started at the
// first call; -1 when there is none.
int guardian()
{
    static const int socket = [] {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
            return -1;
        // Forked twice, so the guardian is nobody's child to wait for.
        const pid_t middle = fork();
        if (middle == 0) {
            if (fork() == 0)
                watchTools(ends[1]);
            _exit(0);
        }
        close(ends[1]);
        if (middle < 0) {
            close(ends[0]);
            return -1;
        }
        waitpid(middle, nullptr, 0);
        return ends[0];
    }();
    return socket;
}

// Run by the tool between fork and exec, so the guardian watches it before
// it can start anything: hands the guardian a pidfd of itself, its group.
void registerWithGuardian(int socket)
{
    ToolMessage message;
    message.group = pid_t(syscall(SYS_getpid));
    // Without pidfds (an old kernel) the tool still dies with the program.
    const int pidfd = int(syscall(SYS_pidfd_open, message.group, 0));
    if (socket < 0 || pidfd < 0)
        return;
    cmsghdr *header = CMSG_FIRSTHDR(&message.header);
    header->cmsg_level = SOL_SOCKET;
    header->cmsg_type = SCM_RIGHTS;
    header->cmsg_len = CMSG_LEN(sizeof(int));
    memcpy(CMSG_DATA(header), &pidfd, sizeof pidfd);
    sendmsg(socket, &message.header, MSG_NOSIGNAL);
    close(pidfd);
}

} // namespace
#endif

ToolGroup::ToolGroup() = default;
ToolGroup::~ToolGroup() = default;

void ToolGroup::prepare(QProcess &process)
{
#ifdef Q_OS_LINUX
    const pid_t parent = getpid();
    const int socket = guardian();
    process.setChildProcessModifier([parent, socket] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program may have died before the death signal was asked for.
        if (getppid() != parent)
            _exit(127);
        registerWithGuardian(socket);
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
    return m_group <= 0 || (::kill(-pid_t(m_group), 0) == -1 && errno == ESRCH);
}

#endif
