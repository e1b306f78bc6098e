#include "app/java_names.h"

#include <QSet>
#include <QStringList>

#include <algorithm>

bool isJavaKeyword(const QString &name)
{
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

namespace {

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

} // namespace

bool isJavaIdentifier(const QString &name)
{
    if (name.isEmpty() || !isIdentifierStart(name.front()))
        return false;
    for (const QChar c : name) {
        if (!isIdentifierStart(c) && !c.isDigit())
            return false;
    }
    return !isJavaKeyword(name);
}

bool isQualifiedJavaClassName(const QString &name)
{
    const QStringList parts = name.split(QLatin1Char('.'));
    return std::all_of(parts.cbegin(), parts.cend(), isJavaIdentifier);
}
