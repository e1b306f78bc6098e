#include "project/project_name.h"

#include "app/code_page.h"

#include <QSet>

namespace {

bool isKeyword(const QString &name)
{
    // The reserved words and literals of the language, those of later
    // versions included, so the class compiles with any compiler.
    static const QSet<QString> keywords = {
        "abstract", "assert",     "boolean",   "break",     "byte",     "case",   "catch",
        "char",     "class",      "const",     "continue",  "default",  "do",     "double",
        "else",     "enum",       "extends",   "final",     "finally",  "float",  "for",
        "goto",     "if",         "implements", "import",   "instanceof", "int",  "interface",
        "long",     "native",     "new",       "package",   "private",  "protected", "public",
        "return",   "short",      "static",    "strictfp",  "super",    "switch", "synchronized",
        "this",     "throw",      "throws",    "transient", "try",      "void",   "volatile",
        "while",    "true",       "false",     "null",
    };
    return keywords.contains(name);
}

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

bool isIdentifierPart(QChar c)
{
    return isIdentifierStart(c) || c.isDigit();
}

} // namespace

bool isWindowsDeviceName(const QString &name)
{
    const QString upper = name.toUpper();
    if (upper == QLatin1String("CON") || upper == QLatin1String("PRN") || upper == QLatin1String("AUX")
        || upper == QLatin1String("NUL"))
        return true;
    return upper.size() == 4 && (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT")))
           && upper.at(3) >= QLatin1Char('1') && upper.at(3) <= QLatin1Char('9');
}

bool isValidProjectName(const QString &name)
{
    if (name.isEmpty() || !isIdentifierStart(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isIdentifierPart(c))
            return false;
    }
#ifdef Q_OS_WIN
    if (isWindowsDeviceName(name))
        return false;
#endif
    return !isKeyword(name) && toCodePage(name).has_value();
}
