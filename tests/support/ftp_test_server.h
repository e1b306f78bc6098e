#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib) on 127.0.0.1 and a free port, serving a
// temporary folder, started by the test and stopped with it. Two users: one
// who may store files and one who may only read.
class FtpTestServer
{
public:
    ~FtpTestServer() { stop(); }

    bool start();
    void stop();
    QString errorString() const { return m_error; }

    int port() const { return m_port; }
    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString root() const { return m_root.path(); }
    // Successful logins so far.
    int loginCount();

    QString writerName() const { return QStringLiteral("user"); }
    QString writerPassword() const { return QStringLiteral("secret"); }
    QString readerName() const { return QStringLiteral("reader"); }
    QString readerPassword() const { return QStringLiteral("secret"); }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    QString m_error;
    QByteArray m_output;
    int m_port = 0;
};
