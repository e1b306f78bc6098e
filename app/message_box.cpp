#include "app/message_box.h"

#include <QGuiApplication>

namespace {

// The arrow over the busy cursor for as long as a box waits.
class ArrowWhileAsking
{
public:
    ArrowWhileAsking() : m_overBusy(QGuiApplication::overrideCursor() != nullptr)
    {
        if (m_overBusy)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking()
    {
        if (m_overBusy)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking &) = delete;
    ArrowWhileAsking &operator=(const ArrowWhileAsking &) = delete;

private:
    bool m_overBusy;
};

const QString kTitle = QStringLiteral("Quenvel");

} // namespace

void showQuenvelMessage(const QString &text, QWidget *parent, QMessageBox::Icon icon)
{
    const ArrowWhileAsking arrow;
    QMessageBox box(icon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

QMessageBox::StandardButton askQuenvel(const QString &question, QMessageBox::StandardButtons buttons, QWidget *parent,
                                       QMessageBox::StandardButton defaultButton)
{
    const ArrowWhileAsking arrow;
    QMessageBox box(QMessageBox::Question, kTitle, question, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    box.exec();
    return box.standardButton(box.clickedButton());
}
