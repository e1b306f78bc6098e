#include "deploy/qr_code.h"

#ifdef QUENVEL_HAVE_QRENCODE
#include <qrencode.h>
#endif

std::optional<QrCode> encodeQr(const QByteArray &bytes)
{
#ifdef QUENVEL_HAVE_QRENCODE
    // Version 0: the smallest version that holds the data.
    QRcode *code = QRcode_encodeData(int(bytes.size()), reinterpret_cast<const unsigned char *>(bytes.constData()), 0,
                                     QR_ECLEVEL_M);
    if (!code)
        return std::nullopt;
    QrCode result;
    result.size = code->width;
    result.dark.reserve(code->width * code->width);
    for (int i = 0; i < code->width * code->width; ++i)
        result.dark << bool(code->data[i] & 1);
    QRcode_free(code);
    return result;
#else
    Q_UNUSED(bytes);
    return std::nullopt;
#endif
}
