#include "ui/about_dialog.h"

#include "app/caption_rule.h"
#include "app/svg_picture.h"
#include "app/window_placement.h"
#include "ui/registry.h"
#include "ui/sys_info.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QLabel *tagged(QLabel *label, const char *name, const char *tag)
{
    label->setObjectName(QLatin1String(name));
    label->setProperty("tag", QLatin1String(tag));
    return label;
}


} // namespace

ProgramVersion programVersion()
{
    return {QUENVEL_VERSION_MAJOR, QUENVEL_VERSION_MINOR, QUENVEL_VERSION_REVISION};
}

QString aboutVersionText(const ProgramVersion &version)
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(version.major)
        .arg(version.minor)
        .arg(version.revision);
}

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent),
      m_ownRegistry(createSystemRegistry()),
      m_ownHost(std::make_unique<DesktopSysInfoHost>(this))
{
    m_registry = m_ownRegistry.get();
    m_host = m_ownHost.get();
    createControls();
    Form_Load();
}

frmAbout::frmAbout(const Registry &registry, SysInfoHost &host, QWidget *parent)
    : QDialog(parent), m_registry(&registry), m_host(&host)
{
    createControls();
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls()
{
    // Design captions: what stays where the caption table has no text.
    setObjectName(QStringLiteral("frmAbout"));
    setProperty("tag", QStringLiteral("1052"));
    setWindowTitle(QStringLiteral("About Quenvel"));
    setFixedSize(toPixels(5865), toPixels(3630));
    setModal(true);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(twipsRect(120, 120, 2460, 1860));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(renderPicture(QStringLiteral(":/images/about.svg"), QSize(160, 120),
                                 devicePixelRatioF()));

    lblTitle = tagged(new QLabel(QStringLiteral("Quenvel"), this), "lblTitle", "1057");
    lblTitle->setGeometry(twipsRect(2970, 360, 4095, 480));
    QFont titleFont = lblTitle->font();
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = tagged(new QLabel(QStringLiteral("Version"), this), "lblVersion", "1056");
    lblVersion->setGeometry(twipsRect(2970, 900, 4095, 225));

    lblDescription = tagged(new QLabel(QStringLiteral("Have fun making i-appli!"), this),
                            "lblDescription", "1058");
    lblDescription->setGeometry(twipsRect(2970, 1245, 4095, 1170));
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription->setWordWrap(true);

    lblDisclaimer = tagged(new QLabel(QStringLiteral("This software is provided as is, without "
                                                     "warranty of any kind."),
                                      this),
                           "lblDisclaimer", "1055");
    lblDisclaimer->setGeometry(twipsRect(255, 2625, 3870, 825));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setProperty("tag", QStringLiteral("1054"));
    cmdOK->setGeometry(twipsRect(4245, 2625, 1467, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setProperty("tag", QStringLiteral("1053"));
    cmdSysInfo->setGeometry(twipsRect(4260, 3075, 1452, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    SetCaptionsFromResources(this, uiLanguageFor(QLocale::system()));
    lblVersion->setText(aboutVersionText(programVersion()));
    lblTitle->setText(QStringLiteral("Quenvel"));
}

void frmAbout::StartSysInfo()
{
    ::StartSysInfo(*m_registry, *m_host);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched separator: a grey line with a white one just below it.
    QPainter painter(this);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(QPoint(toPixels(225), toPixels(2430)), QPoint(toPixels(5657), toPixels(2430)));
    painter.setPen(Qt::white);
    painter.drawLine(QPoint(toPixels(240), toPixels(2445)), QPoint(toPixels(5657), toPixels(2445)));
}
