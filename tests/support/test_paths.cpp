#include "test_paths.h"

#ifdef Q_OS_WIN
#include <QDir>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Wine's own export: the Linux path behind a Windows one.
QString linuxPath(const QString &path)
{
    using UnixName = char *(__cdecl *)(const wchar_t *);
    static const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName)
        return path;
    const QString native = QDir::toNativeSeparators(path);
    char *name = unixName(reinterpret_cast<const wchar_t *>(native.utf16()));
    if (!name)
        return path;
    const QString result = QString::fromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}
#else
QString linuxPath(const QString &path)
{
    return path;
}
#endif
