#include "build/compiler_messages.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace {

// "Hello.java:5: ';' expected", "D:\apps\Hello\src\Hello.java:5: error: …";
// modern javac words the kind in the user's language.
const QRegularExpression &headerPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(?<file>(?:[A-Za-z]:)?[^:]*\\.java):(?<line>\\d+):\\s"
        "(?:(?<kind>error|warning|エラー|警告):\\s*)?(?<message>.*)$"));
    return pattern;
}

// ecj underlines the whole token ("^^^^^"); javac marks its first character.
const QRegularExpression &caretPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[ \\t]*\\^+[ \\t]*$"));
    return pattern;
}

bool isWarning(const QString &kind)
{
    return kind == QLatin1String("warning") || kind == QStringLiteral("警告");
}

// The detail lines modern javac prints under the caret ("  symbol: …").
bool isIndented(const QString &line)
{
    return !line.trimmed().isEmpty() && (line.startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1Char('\t')));
}

int indentOf(const QString &line)
{
    int indent = 0;
    while (indent < line.size() && (line[indent] == QLatin1Char(' ') || line[indent] == QLatin1Char('\t')))
        ++indent;
    return indent;
}

class OutputParser
{
public:
    void handleLine(const QString &line, int index);
    QList<CompilerMessage> finish();

private:
    void startMessage(const QRegularExpressionMatch &header, int index);
    void takeCaret(const QString &caretLine, int index);
    void close();

    QList<CompilerMessage> m_messages;
    std::optional<CompilerMessage> m_current;
    bool m_currentIsWarning = false;
    bool m_afterCaret = false;
    // Lines after a header that wait for a caret: the last is then the quoted
    // source line, those before it are details. Without a caret they belong
    // to something else.
    QStringList m_pending;
};

void OutputParser::handleLine(const QString &line, int index)
{
    const QRegularExpressionMatch header = headerPattern().match(line);
    if (header.hasMatch()) {
        close();
        startMessage(header, index);
        return;
    }
    if (!m_current)
        return;
    if (!m_afterCaret && !m_pending.isEmpty() && caretPattern().match(line).hasMatch()) {
        takeCaret(line, index);
    } else if (m_afterCaret && isIndented(line)) {
        m_current->message += QLatin1Char('\n') + line.trimmed();
        m_current->lastOutputLine = index;
    } else if (m_afterCaret || m_pending.size() == 4) {
        close();
    } else {
        m_pending << line;
    }
}

void OutputParser::startMessage(const QRegularExpressionMatch &header, int index)
{
    m_current = CompilerMessage();
    m_current->file = header.captured(u"file");
    m_current->line = header.captured(u"line").toInt();
    m_current->message = header.captured(u"message").trimmed();
    m_current->firstOutputLine = m_current->lastOutputLine = index;
    m_currentIsWarning = isWarning(header.captured(u"kind"));
}

void OutputParser::takeCaret(const QString &caretLine, int index)
{
    m_current->sourceLine = m_pending.takeLast();
    for (const QString &detail : std::as_const(m_pending))
        m_current->message += QLatin1Char('\n') + detail.trimmed();
    m_pending.clear();
    // The caret line copies the quoted line's tabs and has one blank for
    // every other character before the column (checked with javac 17 and
    // ecj on lines holding tabs and Japanese text), so it counts characters.
    const int caret = int(caretLine.indexOf(QLatin1Char('^')));
    m_current->column = qMin(caret, int(m_current->sourceLine.size())) + 1;
    m_current->lastOutputLine = index;
    m_afterCaret = true;
}

void OutputParser::close()
{
    if (m_current && !m_currentIsWarning)
        m_messages << *m_current;
    m_current.reset();
    m_pending.clear();
    m_afterCaret = false;
}

QList<CompilerMessage> OutputParser::finish()
{
    close();
    return m_messages;
}

} // namespace

QList<CompilerMessage> parseCompilerOutput(const QString &output)
{
    OutputParser parser;
    const QStringList lines = output.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        parser.handleLine(line, i);
    }
    return parser.finish();
}

int columnInLine(const CompilerMessage &message, const QString &line)
{
    if (message.column <= 0 || message.sourceLine == line)
        return message.column;
    const QString quoted = message.sourceLine.mid(indentOf(message.sourceLine)).trimmed();
    const QString own = line.mid(indentOf(line));
    if (quoted.isEmpty() || !own.startsWith(quoted))
        return qMin(message.column, int(line.size()) + 1);
    return indentOf(line) + qMax(message.column - indentOf(message.sourceLine), 1);
}
