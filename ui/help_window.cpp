#include "ui/help_window.h"

#include "app/message_box.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#ifndef QUENVEL_HELP_FILE
#define QUENVEL_HELP_FILE ""
#endif

namespace {

QUrl helpUrl(const QString &helpFile)
{
    if (helpFile.startsWith(QLatin1String("qrc:")))
        return QUrl(helpFile);
    if (helpFile.startsWith(QLatin1String(":/")))
        return QUrl(QLatin1String("qrc") + helpFile);
    return QUrl::fromLocalFile(helpFile);
}

bool pageExists(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return QFileInfo(QLatin1Char(':') + url.path()).isFile();
    return QFileInfo(url.toLocalFile()).isFile();
}

} // namespace

HelpWindow::HelpWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Quenvel ヘルプ"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(680, 620);
}

void HelpWindow::showPage(const QString &helpFile)
{
    const QUrl url = helpUrl(helpFile);
    if (!pageExists(url)) {
        m_browser->clear();
        m_browser->setPlainText(QStringLiteral("ヘルプファイル %1 が見つかりません。").arg(helpFile));
        return;
    }
    if (m_browser->source() == url)
        m_browser->reload();
    else
        m_browser->setSource(url);
    // Contents means the top of the page, wherever the reader left it.
    m_browser->verticalScrollBar()->setValue(0);
}

void showHelpContents(QWidget *mainWindow, const QString &helpFile)
{
    if (helpFile.isEmpty()) {
        showQuenvelMessage(QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"),
                           mainWindow, QMessageBox::Information);
        return;
    }
    auto *window = mainWindow->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(mainWindow);
    window->showPage(helpFile);
    window->show();
    window->raise();
    window->activateWindow();
}

void mnuHelpContents_Click(QWidget *mainWindow)
{
    showHelpContents(mainWindow, QStringLiteral(QUENVEL_HELP_FILE));
}
