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
#include <sys/prctl.h>
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

ToolGroup::ToolGroup() = default;
ToolGroup::~ToolGroup() = default;

void ToolGroup::prepare(QProcess &process)
{
#ifdef Q_OS_LINUX
    const pid_t parent = getpid();
    // Runs between fork and exec: async-signal-safe calls only.
    process.setChildProcessModifier([parent] {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        // The program may have died before the death signal was asked for.
        if (getppid() != parent)
            _exit(127);
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
