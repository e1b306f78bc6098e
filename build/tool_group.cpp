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
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
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

// Everything here runs between fork and exec, in a child that may share the
// program's memory until it execs (vfork): plain system calls only.

// The guard: a process of the tool's group that nobody waits for. It watches
// the tool and the program through pidfds; when either ends, it ends the
// group, and with it whatever the tool left running, itself last. The kernel
// alone would end only the tool when the program dies, even by SIGKILL.
[[noreturn]] void guardGroup(int toolFd, int programFd)
{
    signal(SIGINT, SIG_IGN);
    signal(SIGHUP, SIG_IGN);
    signal(SIGTERM, SIG_IGN);
    // Open ends of the program's pipes would keep it waiting for output.
    dup2(toolFd, 0);
    dup2(programFd, 1);
    if (close_range(2, ~0U, 0) != 0) {
        for (int fd = 2; fd < 1024; ++fd)
            close(fd);
    }
    pollfd watched[2] = {{0, POLLIN, 0}, {1, POLLIN, 0}};
    while (poll(watched, 2, -1) <= 0) {
    }
    kill(0, SIGKILL);
    _exit(0);
}

// Starts the guard as an orphan: the tool must not see a child of its own.
void startGuard(pid_t program)
{
    const pid_t middle = pid_t(syscall(SYS_fork));
    if (middle == 0) {
        const int toolFd = int(syscall(SYS_pidfd_open, getppid(), 0));
        const int programFd = int(syscall(SYS_pidfd_open, program, 0));
        // Without pidfds (an old kernel) the tool still dies with the program.
        if (toolFd >= 0 && programFd >= 0 && syscall(SYS_fork) == 0)
            guardGroup(toolFd, programFd);
        _exit(0);
    }
    if (middle > 0)
        syscall(SYS_wait4, middle, nullptr, 0, nullptr);
}

} // namespace
#endif

ToolGroup::ToolGroup() = default;
ToolGroup::~ToolGroup() = default;

void ToolGroup::prepare(QProcess &process)
{
#ifdef Q_OS_LINUX
    const pid_t parent = getpid();
    process.setChildProcessModifier([parent] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program may have died before the death signal was asked for.
        if (getppid() != parent)
            _exit(127);
        startGuard(parent);
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
