#include "ftp_test_server.h"

#include "app/code_page.h"
#include "test_paths.h"

bool FtpTestServer::start()
{
    if (m_port != 0)
        return true;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    {sourceDir() + QStringLiteral("/tests/support/ftp_server.py"), m_root.path()});
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

QString FtpTestServer::storedName(const QString &name)
{
    return QString::fromLatin1(toCodePage(name).value_or(QByteArray()));
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
