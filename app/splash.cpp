#include "app/splash.h"

#include "app/caption_rule.h"
#include "app/svg_picture.h"

#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    auto *fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameShape(QFrame::Box);
    auto *picLogo = new QLabel(fraMainFrame);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(renderPicture(QStringLiteral(":/images/splash.svg"), QSize(320, 240), devicePixelRatioF()));
    picLogo->setFixedSize(320, 240);

    auto *frameLayout = new QVBoxLayout(fraMainFrame);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(picLogo);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraMainFrame);

    SetCaptionsFromResources(this, uiLanguageFor(QLocale::system()));
}
