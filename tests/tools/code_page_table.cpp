// Prints this build's code page 932 table (tests/support/code_page_table.h),
// for setting it beside the one the Windows tests take from the system.
#include "code_page_table.h"

#include <QTextStream>
#include <cstdio>

int main()
{
    QTextStream out(stdout);
    for (const QString &line : codePageTable(ourCodePage()))
        out << line << '\n';
    return 0;
}
