#include "build/tool_group.h"

#include <QProcess>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Windows: the tool and all it starts live in a job object.
ToolGroup::ToolGroup()
{
    m_job = CreateJobObjectW(nullptr, nullptr);
    if (!m_job) {
        m_unguarded = qt_error_string(int(GetLastError()));
        return;
    }
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
        m_unguarded = qt_error_string(int(GetLastError()));
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
    if (!m_assigned)
        m_unguarded = qt_error_string(int(GetLastError()));
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

QString ToolGroup::unguardedReason() const
{
    return m_unguarded;
}
