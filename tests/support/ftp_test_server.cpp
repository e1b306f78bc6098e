#include "ftp_test_server.h"

#include "app/code_page.h"
#include "test_paths.h"

#ifdef Q_OS_WIN
#include <QFile>
#include <QTest>

// Wine starts a Linux program detached from the pipes it is given, and
// reports it ended at once: the server reports through a file beside its
// folder, and ends when that folder goes.
bool FtpTestServer::start()
{
    if (m_port != 0)
        return true;
    m_report = m_root.path() + QStringLiteral(".report");
    if (!QProcess::startDetached(QStringLiteral("/usr/bin/python3"),
                                 {sourceDir() + QStringLiteral("/tests/support/ftp_server.py"), linuxPath(m_root.path()),
                                  linuxPath(m_report)})) {
        m_error = QStringLiteral("the FTP server did not start");
        return false;
    }
    if (!QTest::qWaitFor([this] { return !reportLines().isEmpty(); }, 10000)) {
        m_error = QStringLiteral("the FTP server wrote no port (is python3-pyftpdlib installed?)");
        return false;
    }
    m_port = reportLines().value(0).toInt();
    return m_port > 0;
}

QStringList FtpTestServer::reportLines() const
{
    QFile file(m_report);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    // The last piece is a line still being written.
    return text.split(QLatin1Char('\n')).mid(0, text.count(QLatin1Char('\n')));
}

QString FtpTestServer::storeTypes()
{
    QString types;
    for (const QString &line : reportLines()) {
        if (line.startsWith(QLatin1String("STOR ")))
            types += line.mid(5);
    }
    return types;
}

void FtpTestServer::stop()
{
    if (m_port == 0)
        return;
    m_root.remove();
    QFile::remove(m_report);
    m_port = 0;
}
#else
bool FtpTestServer::start()
{
    if (m_port != 0)
        return true;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {sourceDir() + QStringLiteral("/tests/support/ftp_server.py"), linuxPath(m_root.path())});
    if (!m_process.waitForStarted(5000)) {
        m_error = QStringLiteral("the FTP server did not start: ") + m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(10000)) {
            m_error = QStringLiteral("the FTP server printed no port (is python3-pyftpdlib installed?)");
            stop();
            return false;
        }
    }
    m_port = m_process.readLine().trimmed().toInt();
    return m_port > 0;
}

QString FtpTestServer::storeTypes()
{
    // The server prints a store's line before it answers the store, so once
    // a client has its answer the line is in the pipe: a look finds it.
    while (m_process.waitForReadyRead(0)) {
    }
    m_output += m_process.readAll();
    QString types;
    for (const QByteArray &line : m_output.split('\n')) {
        if (line.startsWith("STOR "))
            types += QString::fromLatin1(line.mid(5));
    }
    return types;
}

void FtpTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    m_port = 0;
}
#endif

QString FtpTestServer::storedName(const QString &name)
{
    return QString::fromLatin1(toCodePage(name).value_or(QByteArray()));
}

