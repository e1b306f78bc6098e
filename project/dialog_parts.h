#pragma once

#include "app/svg_picture.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

// Pieces the two project dialogs are made of, named as the tests and the
// captions find them.
inline QPushButton *namedButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// The decoration picture of a dialog.
inline QLabel *decorationImage(const QString &iconPath, QWidget *parent)
{
    auto *image = new QLabel(parent);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(renderPicture(iconPath, QSize(32, 32), parent->devicePixelRatioF()));
    return image;
}
