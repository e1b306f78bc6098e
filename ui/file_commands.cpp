#include "ui/file_commands.h"

#include "app/project_files.h"
#include "session/project_session.h"
#include "ui/editor_tabs.h"
#include "ui/find_in_files.h"
#include "ui/source_editor.h"

#include <QInputDialog>

void FileCommands::askLineAndGo()
{
    SourceEditor *editor = m_tabs.current();
    const int lines = editor->blockCount();
    bool ok = false;
    const int line = QInputDialog::getInt(m_window, QStringLiteral("Quenvel"), QStringLiteral("行番号 (1 - %1):").arg(lines),
                                          editor->textCursor().blockNumber() + 1, 1, lines, 1, &ok);
    if (ok)
        editor->goToPosition(line, 1);
}

void FileCommands::saveCurrent()
{
    if (m_tabs.current() == m_mainEditor)
        (void)m_session.save();
    else
        (void)m_session.saveOther(m_tabs.currentFile());
}

void FileCommands::newClass()
{
    bool ok = false;
    const QString name = QInputDialog::getText(m_window, QStringLiteral("Quenvel"), QStringLiteral("クラス名:"), QLineEdit::Normal,
                                               QString(), &ok).trimmed();
    if (!ok || name.isEmpty())
        return;
    if (!m_session.newClass(name))
        return;
    m_tabs.refreshFiles();
    m_tabs.openFile(name + QStringLiteral(".java"));
}

void FileCommands::removeCurrent()
{
    if (m_session.removeSource(m_tabs.currentFile()))
        m_tabs.refreshFiles();
}

void FileCommands::findInFiles()
{
    auto *dialog = m_window->findChild<FindInFiles *>();
    if (!dialog) {
        dialog = new FindInFiles(
            [this] {
                return sourceTexts(m_session.project()->paths, m_session.sources(),
                                   [this](const QString &relative) { return m_tabs.openText(relative); });
            },
            m_window);
        QObject::connect(dialog, &FindInFiles::hitChosen, m_window, [this](const QString &file, int line) {
            if (m_tabs.openFile(file))
                m_tabs.current()->goToPosition(line, 1);
        });
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
