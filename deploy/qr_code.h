#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// A QR code as its square of modules, row by row.
struct QrCode {
    int size = 0;
    QList<bool> dark;  // size × size

    bool isDark(int x, int y) const { return dark[y * size + x]; }
};

// The code of the bytes, in byte mode at error-correction level M; null when
// they do not fit in one code, or when the program was built without QR codes.
std::optional<QrCode> encodeQr(const QByteArray &bytes);
