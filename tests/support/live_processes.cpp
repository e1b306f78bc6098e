#include "live_processes.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>

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

bool noneLeftWithin(const QString &marker, int milliseconds)
{
    return QTest::qWaitFor([&] { return processesWith(marker).isEmpty(); }, milliseconds);
}

void killProcessesWith(const QString &marker)
{
    for (const qint64 pid : processesWith(marker))
        ::kill(pid_t(pid), SIGKILL);
}
