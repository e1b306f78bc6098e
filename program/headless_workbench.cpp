#include "program/headless_workbench.h"

#include <QCoreApplication>
#include <QTextStream>

HeadlessWorkbench::HeadlessWorkbench(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

void HeadlessWorkbench::report(const Event &event)
{
    // Signals that end the run are delivered through the event loop.
    if (const auto *progress = std::get_if<Progress>(&event); progress && progress->stage == Progress::Stage::ToolStarting) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        return;
    }
    if (const auto *ended = std::get_if<ActionEnded>(&event))
        m_succeeded = ended->ok;
    const QString text = logTextOf(event);
    if (text.isEmpty())
        return;
    m_out << m_stream.convert(text);
    m_out.flush();
}

void HeadlessWorkbench::finish()
{
    m_out << m_stream.finish();
    m_out.flush();
}

void HeadlessWorkbench::setSourceText(const QString &text)
{
    m_source = text;
    m_modified = false;
}

bool HeadlessWorkbench::askYesNo(const QString &question, Default)
{
    showMessage(question + QStringLiteral("\r\nウィンドウを開かずに実行しているため、「いいえ」として続けます。"));
    return false;
}

void HeadlessWorkbench::showMessage(const QString &text)
{
    m_err << toLfLineEnds(text) << QLatin1Char('\n');
    m_err.flush();
}
