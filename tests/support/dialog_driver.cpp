#include "dialog_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

DialogDriver::DialogDriver(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::look);
    m_timer.start(20);
}

// Pressed from the event loop, as a user's click comes: a button whose
// handler opens a message box of its own must not hold this timer up.
void DialogDriver::press(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void DialogDriver::look()
{
    m_answered.removeIf([](const QPointer<QWidget> &window) { return !window || !window->isVisible(); });
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || m_answered.contains(window))
            continue;
        if (answer(window)) {
            m_answered.append(window);
            return;
        }
    }
}

bool DialogDriver::answer(QWidget *window)
{
    if (auto *box = qobject_cast<QMessageBox *>(window)) {
        messages << box->text();
        QAbstractButton *button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            press(button);
        return true;
    }
    if (window->objectName() == QLatin1String("dlgNewProject") && !newProjectName.isEmpty()) {
        if (auto *name = window->findChild<QLineEdit *>(QStringLiteral("Text1")))
            name->setText(newProjectName);
        if (auto *ok = window->findChild<QAbstractButton *>(QStringLiteral("OKButton")))
            press(ok);
        return true;
    }
    if (window->objectName() == QLatin1String("frmProject") && !chooserEntry.isEmpty()) {
        auto *list = window->findChild<QListWidget *>(QStringLiteral("ProjectList"));
        const auto items = list ? list->findItems(chooserEntry, Qt::MatchExactly) : QList<QListWidgetItem *>();
        if (!items.isEmpty())
            list->setCurrentItem(items.first());
        if (auto *open = window->findChild<QAbstractButton *>(QStringLiteral("OpenButton")))
            press(open);
        return true;
    }
    return false;
}
