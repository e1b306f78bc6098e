#pragma once

#include <QDir>
#include <QString>

// Where the tests find the source tree, the build tree and the assembled
// stand-ins for the JDK and the DoJa SDK.
inline QString sourceDir() { return QStringLiteral(QUENVEL_SOURCE_DIR); }
inline QString binaryDir() { return QStringLiteral(QUENVEL_BINARY_DIR); }
inline QString standinDir() { return QStringLiteral(QUENVEL_STANDIN_DIR); }
// The path as a Linux program sees it: under Wine, a Windows path has a
// Linux one behind it (C:\users\... lies in the prefix); elsewhere the same.
QString linuxPath(const QString &path);

#ifdef QUENVEL_FAKES_DIR
// The Windows stand-in tools (tests/windows/fake_tool.cpp, fake_jdk.cpp).
// Absolute in Windows' sense: a drive, then backslashes.
inline QString fakesDir() { return QDir::toNativeSeparators(QDir(QStringLiteral(QUENVEL_FAKES_DIR)).absolutePath()); }
#endif
