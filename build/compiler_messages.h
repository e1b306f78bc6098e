#pragma once

#include <QList>
#include <QString>

// One error a Java compiler reported.
struct CompilerMessage
{
    QString file;       // as the compiler printed it
    int line = 0;       // 1-based
    int column = 0;     // 1-based, in characters of sourceLine; 0 when no caret was printed
    QString message;    // with the compiler's detail lines, one per line
    QString sourceLine; // the source line the compiler quoted, empty when none
    int firstOutputLine = 0; // the lines of the output the error spans, 0-based
    int lastOutputLine = 0;

    bool operator==(const CompilerMessage &) const = default;
};

// The errors in a compiler's output, in order: JDK 1.3's and the stand-in's
// "file:line: message" with the source and caret lines, modern javac's
// "file:line: error: message" in any language, and the compact form of
// other compilers. Warnings and notes are not errors and are left out.
// Lines end with LF or CR LF.
QList<CompilerMessage> parseCompilerOutput(const QString &output);

// The column of the message in the editor's line, which may differ from the
// quoted line in its indent (ecj quotes its lines without it).
int columnInLine(const CompilerMessage &message, const QString &line);
