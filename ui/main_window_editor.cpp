// How the main window takes the user to a compile error or a line: marks in
// the editor after a failed build, the log's error lines, F8, Ctrl+G.
#include "ui/main_window.h"

#include "ui/main_status_bar.h"
#include "ui/source_editor.h"

#include <QInputDialog>
#include <QTextBlock>

// The errors the build reported in the source file: marks in the editor,
// links in the log. Their lines are the log's, which the pane shows as its
// own once it has caught up.
void frmMain::markCompileErrors(const QList<CompilerMessage> &errors)
{
    flushLog();
    const QString sourcePath = m_session.project()->paths.sourceFile();
    QList<LineMark> marks;
    for (const CompilerMessage &error : errors) {
        if (!namesSourceFile(error.file, sourcePath))
            continue;
        m_compileErrors << error;
        const QString line = SourceCode->document()->findBlockByNumber(error.line - 1).text();
        marks << LineMark{error.line, columnInLine(error, line), error.message};
    }
    SourceCode->setLineMarks(marks);
    markErrorsInLog();
}

// The line naming the file and line is shown as a link, for double-clicking.
void frmMain::markErrorsInLog()
{
    QList<QTextEdit::ExtraSelection> links;
    for (const CompilerMessage &error : std::as_const(m_compileErrors)) {
        QTextEdit::ExtraSelection link;
        link.format.setForeground(Log->palette().color(QPalette::Link));
        link.format.setFontUnderline(true);
        link.cursor = QTextCursor(Log->document()->findBlockByNumber(error.firstOutputLine));
        link.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        links << link;
    }
    Log->setExtraSelections(links);
}

// Any line of an error's report (the file and line, the quoted source, the
// caret) leads to it; the mark keeps its place while other lines change.
void frmMain::goToLogLine(int line)
{
    for (int i = 0; i < m_compileErrors.size(); ++i) {
        const CompilerMessage &error = m_compileErrors[i];
        if (line < error.firstOutputLine || line > error.lastOutputLine)
            continue;
        if (!SourceCode->goToLineMark(i))
            SourceCode->goToPosition(error.line, error.column);
        return;
    }
}

void frmMain::goToError(bool forward)
{
    if (!SourceCode->goToNextLineMark(forward))
        sbStatusBar->showNote(QStringLiteral("エラーはありません。"));
}

void frmMain::askLineAndGo()
{
    const int lines = SourceCode->blockCount();
    bool ok = false;
    const int line = QInputDialog::getInt(this, QStringLiteral("Quenvel"), QStringLiteral("行番号 (1 - %1):").arg(lines),
                                          SourceCode->textCursor().blockNumber() + 1, 1, lines, 1, &ok);
    if (ok)
        SourceCode->goToPosition(line, 1);
}
