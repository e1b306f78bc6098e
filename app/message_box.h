#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's message boxes, all titled Quenvel. While one waits for the
// user, a busy cursor gives way to the arrow: the user is to answer it.

// One OK button.
void showQuenvelMessage(const QString &text, QWidget *parent, QMessageBox::Icon icon = QMessageBox::NoIcon);
// A question with the given buttons; the button the user pressed, or the
// escape button's when the box was closed otherwise.
QMessageBox::StandardButton askQuenvel(const QString &question, QMessageBox::StandardButtons buttons, QWidget *parent,
                                       QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
