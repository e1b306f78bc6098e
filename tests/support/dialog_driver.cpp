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

void DialogDriver::look()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (auto *box = qobject_cast<QMessageBox *>(window)) {
            messages << box->text();
            QAbstractButton *button = box->defaultButton();
            if (!button && !box->buttons().isEmpty())
                button = box->buttons().first();
            if (button)
                button->click();
            return;
        }
        if (window->objectName() == QLatin1String("dlgNewProject")) {
            if (auto *name = window->findChild<QLineEdit *>(QStringLiteral("Text1")))
                name->setText(newProjectName);
            if (auto *ok = window->findChild<QAbstractButton *>(QStringLiteral("OKButton")))
                ok->click();
            return;
        }
        if (window->objectName() == QLatin1String("frmProject")) {
            auto *list = window->findChild<QListWidget *>(QStringLiteral("ProjectList"));
            const auto items = list ? list->findItems(chooserEntry, Qt::MatchExactly) : QList<QListWidgetItem *>();
            if (!items.isEmpty())
                list->setCurrentItem(items.first());
            if (auto *open = window->findChild<QAbstractButton *>(QStringLiteral("OpenButton")))
                open->click();
            return;
        }
    }
}
