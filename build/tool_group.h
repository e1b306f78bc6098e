#pragma once

#include <QString>

class QProcess;

// Everything one tool run started, held together so that a stop ends all of
// it. On POSIX the tool runs in a process group of its own. On Linux one
// guardian process for the whole program ends a tool's group when the tool
// ends (what the tool left running) and when the program dies, even by
// SIGKILL. On Windows the tool runs in a job object, and what is left in it
// ends when the run or the program does.
class ToolGroup
{
public:
    ToolGroup();
    ~ToolGroup();
    ToolGroup(const ToolGroup &) = delete;
    ToolGroup &operator=(const ToolGroup &) = delete;

    // Before the start of the process.
    void prepare(QProcess &process);
    // Right after a start that did not fail.
    void started(QProcess &process);
    // Asks everything in the group to end; kill() does not ask.
    void terminate();
    void kill();
    // True when nothing of the group is left.
    bool isEmpty() const;
    // Why the tool runs without the guard that ends what it leaves running;
    // empty when it runs under it. Known once started() has returned.
    QString unguardedReason() const;

private:
#ifdef Q_OS_WIN
    QProcess *m_process = nullptr;
    void *m_job = nullptr;        // HANDLE
    void *m_startInfo = nullptr;  // the PROCESS_INFORMATION the start fills in
    bool m_assigned = false;
#else
    qint64 m_group = 0;
    int m_registration[2] = {-1, -1};  // the tool tells through it whether the guardian took it
#endif
    QString m_unguarded;
};

#ifdef Q_OS_LINUX
// The process id of the guardian the last tool registered with; 0 before
// the first tool. For tests, which end it as a crash would.
qint64 toolGuardianProcessId();
#endif
