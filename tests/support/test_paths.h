#pragma once

#include <QString>

// Where the tests find the source tree, the build tree and the assembled
// stand-ins for the JDK and the DoJa SDK.
inline QString sourceDir() { return QStringLiteral(QUENVEL_SOURCE_DIR); }
inline QString binaryDir() { return QStringLiteral(QUENVEL_BINARY_DIR); }
inline QString standinDir() { return QStringLiteral(QUENVEL_STANDIN_DIR); }
