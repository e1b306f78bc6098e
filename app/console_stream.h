#pragma once

#include <QIODevice>
#include <QStringDecoder>

// Windows: standard output or error of the console program. The program
// writes UTF-8; a console is handed the text as UTF-16 (WriteConsoleW), so
// it shows whatever its code page; a file or pipe gets Windows-31J bytes, as
// the other programs of a Japanese system write them.
class ConsoleStream : public QIODevice
{
public:
    enum class Which { Output, Error };
    explicit ConsoleStream(Which which);
    // A handle of the caller's (a file or pipe, in tests).
    explicit ConsoleStream(void *handle);

    bool isSequential() const override { return true; }
    // Whether the handle is a console rather than a file or pipe.
    bool isConsole() const { return m_console; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    void *m_handle = nullptr;
    bool m_console = false;
    // A character's bytes may arrive in two writes.
    QStringDecoder m_utf8{QStringDecoder::Utf8};
};
