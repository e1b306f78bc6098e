// How the main window takes the user to a compile error or a line: marks in
// the editor after a failed build, the log's error lines, F8, Ctrl+G.
#include "ui/main_window.h"

#include "ui/main_status_bar.h"
#include "ui/source_editor.h"

#include <QInputDialog>
#include <QTextBlock>

// An error the build reported in the source file: a mark in the editor, a
// link in the log. Its lines count from where the compiler's output began
// in the log, which the pane shows as its own once it has caught up.
void frmMain::markCompileError(CompilerMessage error)
{
    if (!namesSourceFile(error.file, m_session.project()->paths.sourceFile()))
        return;
    error.firstOutputLine += m_outputStart;
    error.lastOutputLine += m_outputStart;
    m_compileErrors << error;
    QList<LineMark> marks;
    for (const CompilerMessage &each : std::as_const(m_compileErrors)) {
        const QString line = SourceCode->document()->findBlockByNumber(each.line - 1).text();
        marks << LineMark{each.line, columnInLine(each, line), each.message};
    }
    SourceCode->setLineMarks(marks);
    flushLog();
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
