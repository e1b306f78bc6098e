#include "live_processes.h"

#include <QTest>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>
#else
#include <QDir>
#include <QFile>
#include <csignal>
#endif

#ifdef Q_OS_WIN

namespace {

// The command line of another process, read from its memory: the documented
// calls give only the program's name, and Wine answers no other way.
QString commandLineOf(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return QString();
    QString line;
    PROCESS_BASIC_INFORMATION basic = {};
    PEB peb = {};
    RTL_USER_PROCESS_PARAMETERS parameters = {};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) >= 0
        && basic.PebBaseAddress && ReadProcessMemory(process, basic.PebBaseAddress, &peb, sizeof peb, nullptr)
        && ReadProcessMemory(process, peb.ProcessParameters, &parameters, sizeof parameters, nullptr)) {
        line.resize(parameters.CommandLine.Length / 2);
        if (!ReadProcessMemory(process, parameters.CommandLine.Buffer, line.data(), parameters.CommandLine.Length, nullptr))
            line.clear();
    }
    CloseHandle(process);
    return line;
}

} // namespace

QList<qint64> processesWith(const QString &marker)
{
    QList<qint64> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return found;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID != GetCurrentProcessId() && commandLineOf(entry.th32ProcessID).contains(marker))
            found.append(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return found;
}

void killProcessesWith(const QString &marker)
{
    for (const qint64 pid : processesWith(marker)) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, DWORD(pid))) {
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
    }
}

#else

QList<qint64> processesWith(const QString &marker)
{
    const QByteArray wanted = marker.toUtf8();
    QList<qint64> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isNumber = false;
        const qint64 pid = entry.toLongLong(&isNumber);
        if (!isNumber)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        // A process may be gone by now; a zombie's command line is empty.
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().replace('\0', ' ').contains(wanted))
            found.append(pid);
    }
    return found;
}

void killProcessesWith(const QString &marker)
{
    for (const qint64 pid : processesWith(marker))
        ::kill(pid_t(pid), SIGKILL);
}

#endif

bool noneLeftWithin(const QString &marker, int milliseconds)
{
    return QTest::qWaitFor([&] { return processesWith(marker).isEmpty(); }, milliseconds);
}
