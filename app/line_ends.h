#pragma once

#include <QString>

inline const QString kCrLf = QStringLiteral("\r\n");

// Every line followed by CR LF, the last one included. A line ends at CR LF,
// a lone CR or a lone LF, so files from any system read as the same lines.
QString withCrLfLines(const QString &text);
