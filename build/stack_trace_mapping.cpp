#include "build/stack_trace_mapping.h"

#include <QRegularExpression>

namespace {

const QRegularExpression &classLine()
{
    static const QRegularExpression re(QStringLiteral("^(\\S+) -> (\\S+):$"));
    return re;
}

const QRegularExpression &methodLine()
{
    static const QRegularExpression re(
        QStringLiteral("^\\s+(?:\\d+:\\d+:)?\\S+ (?<name>[^\\s(]+)\\([^)]*\\)(?::\\d+)*(?::\\d+)? -> (?<short>\\S+)$"));
    return re;
}

const QRegularExpression &frameLine()
{
    static const QRegularExpression re(QStringLiteral("^(?<lead>\\s+at (?:[^\\s/(]*/)*)(?<class>[\\w$.]+)\\.(?<method>[\\w$<>]+)(?<rest>\\(.*)$"));
    return re;
}

// "java.lang.RuntimeException: text" or "Caused by: a: text".
const QRegularExpression &exceptionLine()
{
    static const QRegularExpression re(QStringLiteral("^(?<lead>Caused by: |Exception in thread \"[^\"]*\" )?(?<class>[\\w$.]+)(?<rest>(?::.*)?)$"));
    return re;
}

bool isMoreLine(const QString &line)
{
    static const QRegularExpression re(QStringLiteral("^\\s+\\.\\.\\. \\d+ more$"));
    return re.match(line).hasMatch();
}

class Restorer
{
public:
    explicit Restorer(const ShrinkMap &map) : m_map(map) {}

    bool changed() const { return m_changed; }

    QString className(const QString &shortName)
    {
        const auto found = m_map.classes.constFind(shortName);
        if (found == m_map.classes.cend())
            return shortName;
        m_changed = m_changed || found->original != shortName;
        return found->original;
    }

    QString frame(const QRegularExpressionMatch &match)
    {
        const QString shortClass = match.captured(u"class");
        const QString method = match.captured(u"method");
        QString name = method;
        if (const auto found = m_map.classes.constFind(shortClass); found != m_map.classes.cend()) {
            const QStringList originals = found->methods.value(method);
            // Without line numbers in the classes, overloads on one short
            // name cannot be told apart: all are named.
            if (!originals.isEmpty()) {
                name = originals.join(QLatin1Char('|'));
                m_changed = m_changed || name != method;
            }
        }
        return match.captured(u"lead") + className(shortClass) + QLatin1Char('.') + name + match.captured(u"rest");
    }

private:
    const ShrinkMap &m_map;
    bool m_changed = false;
};

} // namespace

ShrinkMap parseShrinkMap(const QString &mapText)
{
    ShrinkMap map;
    ShrinkMap::Class *current = nullptr;
    for (const QString &raw : mapText.split(QLatin1Char('\n'))) {
        const QString line = raw.endsWith(QLatin1Char('\r')) ? raw.chopped(1) : raw;
        if (const QRegularExpressionMatch match = classLine().match(line); match.hasMatch()) {
            current = &map.classes[match.captured(2)];
            current->original = match.captured(1);
            continue;
        }
        const QRegularExpressionMatch match = methodLine().match(line);
        if (!current || !match.hasMatch())
            continue;
        QStringList &originals = current->methods[match.captured(u"short")];
        if (!originals.contains(match.captured(u"name")))
            originals << match.captured(u"name");
    }
    return map;
}

QStringList restoredStackTraces(const ShrinkMap &map, const QString &output)
{
    const QStringList lines = output.split(QLatin1Char('\n'));
    Restorer restore(map);
    QStringList restored;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (const QRegularExpressionMatch frame = frameLine().match(line); frame.hasMatch()) {
            restored << restore.frame(frame);
            continue;
        }
        if (isMoreLine(line)) {
            restored << line;
            continue;
        }
        // An exception line is one only when a frame follows it.
        const bool opensTrace = i + 1 < lines.size() && frameLine().match(lines[i + 1]).hasMatch();
        const QRegularExpressionMatch exception = exceptionLine().match(line);
        if (opensTrace && exception.hasMatch())
            restored << exception.captured(u"lead") + restore.className(exception.captured(u"class"))
                            + exception.captured(u"rest");
    }
    return restore.changed() ? restored : QStringList();
}
