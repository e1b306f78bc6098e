#include "build/command_line.h"

#include <QDir>

namespace {

struct Word {
    QString text;
    bool hasWildcard = false;
};

QList<Word> splitWords(const QString &line)
{
    QList<Word> words;
    Word current;
    bool started = false;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            started = true;
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (started)
                words.append(current);
            current = Word();
            started = false;
        } else {
            current.text += c;
            started = true;
            if (!quoted && (c == QLatin1Char('*') || c == QLatin1Char('?')))
                current.hasWildcard = true;
        }
    }
    if (started)
        words.append(current);
    return words;
}

QStringList expand(const QString &pattern, const QString &workingDirectory)
{
    const qsizetype slash = pattern.lastIndexOf(QLatin1Char('/'));
    const QString folderPart = slash < 0 ? QString() : pattern.left(slash + 1);
    const QString namePattern = pattern.mid(slash + 1);
    const QString folder = QDir::isAbsolutePath(folderPart) ? folderPart : QDir(workingDirectory).filePath(folderPart);
    const QStringList names = QDir(folder).entryList({namePattern},
                                                     QDir::AllEntries | QDir::NoDotAndDotDot | QDir::CaseSensitive,
                                                     QDir::Name);
    if (names.isEmpty() || namePattern.isEmpty())
        return {pattern};
    QStringList matches;
    for (const QString &name : names)
        matches << folderPart + name;
    return matches;
}

} // namespace

QStringList splitCommandLine(const QString &line, const QString &workingDirectory)
{
    QStringList arguments;
    for (const Word &word : splitWords(line)) {
        if (word.hasWildcard && !arguments.isEmpty())
            arguments << expand(word.text, workingDirectory);
        else
            arguments << word.text;
    }
    return arguments;
}
