#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the windows a step of a window test opens, as a user would: every
// few milliseconds it looks at the visible windows, takes down the text of
// each message box and presses its default button, names the new project.
// Each window is answered once while it stays shown: the press is queued,
// so the next look may still find it open.
class DialogDriver : public QObject
{
    Q_OBJECT
public:
    explicit DialogDriver(QObject *parent = nullptr);

    QStringList messages;
    QString newProjectName;  // empty: the new-project dialog is left alone
    // Clicks from the event loop, as a user's click comes.
    static void press(class QAbstractButton *button);

private:
    void look();
    bool answer(QWidget *window);
    QTimer m_timer;
    QList<QPointer<QWidget>> m_answered;
};
