// How the main window takes the user to a compile error or a line: marks in
// the editor after a failed build, the log's error lines, F8, Ctrl+G.
#include "ui/main_window.h"

#include "ui/log_formatter.h"
#include "ui/source_editor.h"

#include <QInputDialog>
#include <QTextBlock>

// An error the build reported in the source file: a mark in the editor, a
// link in the log.
void frmMain::markCompileError(const CompilerMessage &error)
{
    if (!namesSourceFile(error.file, m_session.project()->paths.sourceFile()))
        return;
    m_compileErrors << error;
    m_log->link(error);
    QList<LineMark> marks;
    for (const CompilerMessage &each : std::as_const(m_compileErrors)) {
        const QString line = SourceCode->document()->findBlockByNumber(each.line - 1).text();
        marks << LineMark{each.line, columnInLine(each, line), each.message};
    }
    SourceCode->setLineMarks(marks);
}

// The mark keeps its place while other lines change.
void frmMain::goToError(int index)
{
    const CompilerMessage &error = m_compileErrors.at(index);
    if (!SourceCode->goToLineMark(index))
        SourceCode->goToPosition(error.line, error.column);
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
