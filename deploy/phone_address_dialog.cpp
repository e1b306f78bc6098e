#include "deploy/phone_address_dialog.h"

#include "app/code_page.h"
#include "app/window_placement.h"
#include "deploy/qr_code.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kQuietModules = 4;
constexpr int kModulePixels = 4;

QLabel *linkLabel(const QString &address, QWidget *parent)
{
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), address.toHtmlEscaped()),
                            parent);
    link->setObjectName(QStringLiteral("lblAddress"));
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(true);
    link->setWordWrap(true);
    return link;
}

QLabel *codeLabel(const QString &address, QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QStringLiteral("picQrCode"));
    picture->setAlignment(Qt::AlignCenter);
    // The bytes the server's file names have: Windows-31J, as the page names them.
    const std::optional<QByteArray> bytes = toCodePage(address);
    const std::optional<QrCode> code = encodeQr(bytes.value_or(address.toUtf8()));
    if (code)
        picture->setPixmap(QPixmap::fromImage(renderQrCode(*code, kModulePixels)));
    else
        picture->setText(QStringLiteral("(QRコードを作れませんでした)"));
    return picture;
}

} // namespace

QImage renderQrCode(const QrCode &code, int modulePixels)
{
    const int side = (code.size + 2 * kQuietModules) * modulePixels;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code.size; ++y) {
        for (int x = 0; x < code.size; ++x) {
            if (code.isDark(x, y))
                painter.fillRect((x + kQuietModules) * modulePixels, (y + kQuietModules) * modulePixels, modulePixels,
                                 modulePixels, Qt::black);
        }
    }
    return image;
}

PhoneAddressDialog::PhoneAddressDialog(const QString &address, bool shownAfterUpload,
                                       std::function<void(bool)> showAfterUpload, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ケータイで開くアドレス"));
    auto *copy = new QPushButton(QStringLiteral("コピー(&C)"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, [address] { QGuiApplication::clipboard()->setText(address); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *everyUpload = new QCheckBox(QStringLiteral("アップロードのたびに表示する"), this);
    everyUpload->setObjectName(QStringLiteral("chkShowAfterUpload"));
    everyUpload->setChecked(shownAfterUpload);
    connect(everyUpload, &QCheckBox::toggled, this, [showAfterUpload](bool on) { showAfterUpload(on); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(everyUpload);
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ケータイで次のアドレスを開いてください。"), this));
    layout->addWidget(linkLabel(address, this));
    layout->addWidget(codeLabel(address, this));
    layout->addLayout(buttons);
}

namespace {
const QString kPhoneAddressAfterUpload = QStringLiteral("ShowPhoneAddressAfterUpload");
}

bool phoneAddressAfterUpload(const PlacementStore &store)
{
    return store.value(kPhoneAddressAfterUpload).value_or(QString()) == QLatin1String("1");
}

void showPhoneAddressDialog(const QString &address, PlacementStore &store, QWidget *parent)
{
    auto *dialog = new PhoneAddressDialog(address, phoneAddressAfterUpload(store), [&store](bool on) {
        store.setValue(kPhoneAddressAfterUpload, on ? QStringLiteral("1") : QStringLiteral("0"));
    }, parent);
    dialog->setObjectName(QStringLiteral("dlgPhoneAddress"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
