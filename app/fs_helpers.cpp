#include "app/fs_helpers.h"

#include <QFileInfo>

QString JoinPath(const QString &path, const QString &name, QString &separator, bool upperCase, bool lowerCase,
                 bool quoteWhenBlank)
{
    const QChar backslash = QLatin1Char('\\');
    const QChar slash = QLatin1Char('/');
    QString base = path;
    if (separator == QString(backslash)) {
        base.replace(slash, backslash);
    } else if (separator == QString(slash)) {
        base.replace(backslash, slash);
    } else if (path.indexOf(backslash, 1) > 0) {
        separator = backslash;
        base.replace(slash, backslash);
    } else if (path.indexOf(slash, 1) > 0) {
        separator = slash;
        base.replace(backslash, slash);
    } else {
        separator.clear();
        base.clear();
    }

    QString result = name;
    if (!base.isEmpty())
        result = base.endsWith(separator) ? base + name : base + separator + name;
    if (upperCase)
        result = result.toUpper();
    else if (lowerCase)
        result = result.toLower();
    if (quoteWhenBlank && result.contains(QLatin1Char(' ')))
        result = QLatin1Char('"') + result + QLatin1Char('"');
    return result;
}

bool FolderExists(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}
