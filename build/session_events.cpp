#include "build/session_events.h"

#include "app/line_ends.h"

namespace {

struct LogText {
    QString operator()(const SessionEvents::CommandStarted &event) const { return event.commandLine + kCrLf; }
    QString operator()(const SessionEvents::ToolOutput &event) const { return event.text; }
    QString operator()(const SessionEvents::Message &event) const { return event.text; }
    template <typename Other>
    QString operator()(const Other &) const { return {}; }
};

} // namespace

QString logTextOf(const SessionEvents::Event &event)
{
    return std::visit(LogText(), event);
}

ActionUnderWay::ActionUnderWay(SessionEvents &events, ActionKind action)
    : m_events(events)
    , m_action(action)
{
    m_events.report(SessionEvents::Progress{m_action, SessionEvents::Progress::Stage::Started});
}

ActionUnderWay::~ActionUnderWay()
{
    m_events.report(SessionEvents::ActionEnded{m_action, m_ok});
}
