#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

struct QrCode;

// The last upload's address to open on the phone, as a link, with a copy
// button and its QR code for a handset's bar-code reader, and whether it is
// shown after every upload (told through showAfterUpload as it changes).
// Enter and Esc close it.
class PhoneAddressDialog : public QDialog
{
public:
    PhoneAddressDialog(const QString &address, bool shownAfterUpload,
                       std::function<void(bool)> showAfterUpload, QWidget *parent = nullptr);
};

// The code as a picture: black modules of the given size on white, with the
// quiet zone of four modules that readers need around it.
QImage renderQrCode(const QrCode &code, int modulePixels);
