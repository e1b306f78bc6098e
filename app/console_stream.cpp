#include "app/console_stream.h"

#include "app/code_page.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// The system's conversion, with "?" (no look-alike) for what the code page has no bytes
// for: output is for reading, and a line must not be dropped for one sign.
QByteArray toCodePageLoosely(const QString &text)
{
    if (std::optional<QByteArray> bytes = toCodePage(text))
        return *bytes;
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    const int size = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr, 0, "?", nullptr);
    QByteArray bytes(qMax(size, 0), Qt::Uninitialized);
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), bytes.data(), size, "?", nullptr);
    return bytes;
}

bool writeAll(HANDLE handle, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!WriteFile(handle, bytes.constData() + done, DWORD(bytes.size() - done), &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

ConsoleStream::ConsoleStream(Which which)
    : ConsoleStream(GetStdHandle(which == Which::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE))
{
}

ConsoleStream::ConsoleStream(void *handle)
    : m_handle(handle)
{
    DWORD mode = 0;
    m_console = handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleStream::writeData(const char *data, qint64 size)
{
    // No handle (started without one): the text has nowhere to go, and the
    // program goes on as it would with its output closed.
    if (m_handle == nullptr || m_handle == INVALID_HANDLE_VALUE)
        return size;
    const QString text = m_utf8.decode(QByteArrayView(data, size));
    if (text.isEmpty())
        return size;
    if (m_console) {
        const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            if (!WriteConsoleW(m_handle, wide + done, DWORD(text.size() - done), &written, nullptr) || written == 0)
                return -1;
            done += written;
        }
        return size;
    }
    return writeAll(m_handle, toCodePageLoosely(text)) ? size : -1;
}
