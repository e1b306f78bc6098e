#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib) on 127.0.0.1 and a free port, serving a
// temporary folder, started by the test and stopped with it. It stores files
// exactly as they came over the wire and keeps the bytes of every name.
// Users, all with the password "secret": "user" may store, "reader" may only
// read, "silent" never gets an answer to a store; "ユーザ" (password "秘密")
// is a reader whose name and password go out in Windows-31J.
class FtpTestServer
{
public:
    ~FtpTestServer() { stop(); }

    bool start();
    void stop();
    QString errorString() const { return m_error; }

    QString hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString root() const { return m_root.path(); }
    // The transfer type of every store answered so far, in order: "IAA" for
    // a binary file and then two text files.
    QString storeTypes();
    // The name under which the server keeps a name sent in Windows-31J: one
    // character per byte on the wire.
    static QString storedName(const QString &name);

private:
#ifdef Q_OS_WIN
    QStringList reportLines() const;
    QString m_report;
#endif
    QTemporaryDir m_root;
    QProcess m_process;
    QString m_error;
    QByteArray m_output;
    int m_port = 0;
};
