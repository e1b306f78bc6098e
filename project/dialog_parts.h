#pragma once

#include "app/svg_picture.h"

#include <QEventLoop>
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

// How the two project dialogs wait for the user while the other windows stay
// usable: a loop of their own, run until the dialog ends it.
class DialogWait
{
public:
    bool isWaiting() const { return m_loop != nullptr; }
    // Returns once end() was called.
    void run()
    {
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
    }
    // Safe when nothing waits.
    void end()
    {
        if (m_loop)
            m_loop->quit();
    }

private:
    QEventLoop *m_loop = nullptr;
};
