#include "ui/picture_button.h"

#include "app/svg_picture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

PictureButton::PictureButton(const QString &releasedPicture, const QString &pressedPicture, QWidget *parent)
    : QLabel(parent)
{
    const QSize size(96, 40);
    const qreal ratio = qApp->devicePixelRatio();
    m_released = renderPicture(releasedPicture, size, ratio);
    m_pressedPicture = renderPicture(pressedPicture, size, ratio);
    QStyleOption option;
    option.initFrom(this);
    m_greyed = style()->generatedIconPixmap(QIcon::Disabled, m_released, &option);
    setFixedSize(size);
    showPicture(false);
}

void PictureButton::showPicture(bool pressed)
{
    m_pressed = pressed;
    setPixmap(pressed ? m_pressedPicture : m_actionable ? m_released : m_greyed);
}

void PictureButton::setActionable(bool actionable)
{
    if (actionable == m_actionable)
        return;
    m_actionable = actionable;
    showPicture(m_pressed);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    showPicture(true);
    Q_EMIT mouseDown();
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    // A release whose press never came here (dropped while an action ran)
    // is no click.
    if (!m_pressed)
        return;
    showPicture(false);
    Q_EMIT mouseUp();
    // The click comes after the released picture is back, and only when the
    // left button is let go over the picture.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

QLabel *makePictureLabel(QWidget *parent, const QString &name, const QString &resource, const QPoint &position)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(renderPicture(resource, QSize(32, 32), parent->devicePixelRatioF()));
    picture->setGeometry(QRect(position, QSize(32, 32)));
    return picture;
}
