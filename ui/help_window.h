#pragma once

#include <QWidget>

class QString;
class QTextBrowser;
class QUrl;

// Help > Contents: the help page in a window of its own, or the message that
// there is none.
void mnuHelpContents_Click(QWidget *mainWindow);

// The same for a given help file: empty means none. A path beginning with
// "qrc:" or ":/" names a page built into the program.
void showHelpContents(QWidget *mainWindow, const QString &helpFile);

// The help viewer: one per main window, reused while it exists.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *mainWindow);

    // Shows the page at its start, or a line saying it cannot be found.
    void showPage(const QString &helpFile);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};
