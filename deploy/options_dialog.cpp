#include "deploy/options_dialog.h"

#include "app/message_box.h"
#include "app/settings_store.h"
#include "app/svg_picture.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const char *objectName, const char *caption, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QLatin1String(objectName));
    return label;
}

QLineEdit *makeBox(const char *objectName, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

// A decorative picture, or null when the program was built without it.
QLabel *makePicture(const QString &resource, QWidget *parent)
{
    if (!QFile::exists(resource))
        return nullptr;
    auto *picture = new QLabel(parent);
    picture->setPixmap(renderPicture(resource, QSize(24, 24), parent->devicePixelRatioF()));
    return picture;
}

} // namespace

frmOptions::frmOptions(SettingsStore &store, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ｵﾌﾟｼｮﾝ"));
    createControls();
    createLayout();
    Form_Load();
}

void frmOptions::createControls()
{
    txtFtp = makeBox("txtFtp", this);
    txtFtpPath = makeBox("txtFtpPath", this);
    txtFtpId = makeBox("txtFtpId", this);
    txtFtpPassword = makeBox("txtFtpPassword", this);
    txtWeb = makeBox("txtWeb", this);
    // The password is meant to be read back by the user: no masking.
    txtFtpPassword->setEchoMode(QLineEdit::Normal);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter is OK wherever the focus is, Esc is Cancel (through QDialog).
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    setTabOrder(txtFtp, txtFtpPath);
    setTabOrder(txtFtpPath, txtFtpId);
    setTabOrder(txtFtpId, txtFtpPassword);
    setTabOrder(txtFtpPassword, txtWeb);
    setTabOrder(txtWeb, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void frmOptions::createLayout()
{
    auto *grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 24);
    const struct {
        const char *objectName;
        const char *caption;
        QLineEdit *box;
        bool narrow;
        const char *picture;
    } rows[] = {
        {"Label4", "FTPサーバ名", txtFtp, false, ":/images/icon1.svg"},
        {"lblProject", "iアプリの保存場所", txtFtpPath, false, nullptr},
        {"Label5", "アカウント", txtFtpId, true, ":/images/icon2.svg"},
        {"Label6", "パスワード", txtFtpPassword, true, nullptr},
        {"Label3", "WebサーバのURL", txtWeb, false, ":/images/icon3.svg"},
    };
    int row = 0;
    for (const auto &r : rows) {
        if (r.picture) {
            if (QLabel *picture = makePicture(QString::fromLatin1(r.picture), this))
                grid->addWidget(picture, row, 0);
        }
        grid->addWidget(makeLabel(r.objectName, r.caption, this), row, 1);
        if (r.narrow) {
            r.box->setFixedWidth(140);
            grid->addWidget(r.box, row, 2, Qt::AlignLeft);
        } else {
            r.box->setMinimumWidth(280);
            grid->addWidget(r.box, row, 2);
        }
        ++row;
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel("Label1", "iアプリをアップロードするサーバの情報を設定します。", this));
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void frmOptions::Form_Load()
{
    // Unreadable, the file keeps what it holds and the boxes show what was
    // last read; a save would be refused with the same reason.
    reload();
    const AppSettings &s = m_store.settings();
    txtWeb->setText(s.WebUrl);
    txtFtp->setText(s.FtpUrl);
    txtFtpPath->setText(s.FtpPath);
    txtFtpId->setText(s.FtpId);
    txtFtpPassword->setText(s.FtpPassword);
}

void frmOptions::cmdOK_Click()
{
    AppSettings changed = m_store.settings();
    changed.WebUrl = txtWeb->text();
    changed.FtpUrl = txtFtp->text();
    changed.FtpPath = txtFtpPath->text();
    changed.FtpId = txtFtpId->text();
    changed.FtpPassword = txtFtpPassword->text();
    // Not saved, the store keeps what it held and the boxes stay as typed.
    if (const Result<> saved = m_store.SaveSettings(changed); !saved) {
        showMessage(saved.error());
        return;
    }
    reload();
    close();
}

void frmOptions::reload()
{
    if (const Result<> loaded = m_store.LoadSettings(); !loaded)
        showMessage(loaded.error());
    else if (const std::optional<QString> noJdk = m_store.noJdkNote())
        showMessage(*noJdk);
}

void frmOptions::showMessage(const QString &text)
{
    showQuenvelMessage(text, this);
}

void frmOptions::cmdCancel_Click()
{
    close();
}

frmOptions *frmOptions::showOver(frmOptions *existing, SettingsStore &store, QWidget *window)
{
    frmOptions *options = existing;
    if (!options) {
        options = new frmOptions(store);
        options->setAttribute(Qt::WA_DeleteOnClose);
        // It has no owner window, so nothing centres it over this one.
        options->adjustSize();
        options->move(window->frameGeometry().center() - options->rect().center());
    }
    options->show();
    options->raise();
    options->activateWindow();
    return options;
}
