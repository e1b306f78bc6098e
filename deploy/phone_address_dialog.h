#pragma once

#include <QDialog>
#include <QImage>

struct QrCode;

// After an upload: the address to open on the phone, as a link, with a copy
// button and its QR code for a handset's bar-code reader. Enter and Esc close it.
class PhoneAddressDialog : public QDialog
{
public:
    explicit PhoneAddressDialog(const QString &address, QWidget *parent = nullptr);
};

// The code as a picture: black modules of the given size on white, with the
// quiet zone of four modules that readers need around it.
QImage renderQrCode(const QrCode &code, int modulePixels);
