#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class PlacementStore;
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

// Whether the user chose to see the address after every upload: the user's
// own choice, off until made, since the address is in the log anyway.
bool phoneAddressAfterUpload(const PlacementStore &store);
// The dialog over parent, deleted as it closes; the choice goes to store.
void showPhoneAddressDialog(const QString &address, PlacementStore &store, QWidget *parent);

// The code as a picture: black modules of the given size on white, with the
// quiet zone of four modules that readers need around it.
QImage renderQrCode(const QrCode &code, int modulePixels);
