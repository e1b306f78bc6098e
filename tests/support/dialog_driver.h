#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the windows a step of a window test opens, as a user would: every
// few milliseconds it looks at the visible windows, takes down the text of
// each message box and presses its default button, names the new project,
// picks the chooser's entry.
class DialogDriver : public QObject
{
    Q_OBJECT
public:
    explicit DialogDriver(QObject *parent = nullptr);

    QStringList messages;
    QString newProjectName;
    QString chooserEntry;

private:
    void look();
    static void press(class QAbstractButton *button);
    QTimer m_timer;
};
