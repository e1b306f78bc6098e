#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

class MainStatusBar;
class PictureButton;
class ProjectSession;
class QAction;
class QMainWindow;

// What the window offers around a running emulator: the Run menu (build and
// run, stop, the emulator to the front), Esc while it runs, where its window
// opens, and the look of the three picture buttons, which follow what each
// can do now.
class RunControls : public QObject
{
public:
    struct Buttons {
        PictureButton *build;
        PictureButton *run;
        PictureButton *upload;
    };
    // The menu goes before the last one of the window's menu bar.
    RunControls(QMainWindow *window, ProjectSession &session, MainStatusBar &status, Buttons buttons,
                std::function<void()> buildAndRun);

    // After each command and each report of the session.
    void refresh();

    // The emulator's window of about the width beside the frame, on the side
    // with room, else at the screen's right edge.
    static QPoint placeBeside(const QRect &frame, const QRect &screen, int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenu(std::function<void()> buildAndRun);
    void placeEmulator();

    QMainWindow *m_window;
    ProjectSession &m_session;
    MainStatusBar &m_status;
    Buttons m_buttons;
    QAction *m_stop = nullptr;
    QAction *m_front = nullptr;
};
