#pragma once

#include "app/asker.h"
#include "app/workbench.h"
#include "build/session_events.h"

#include <QString>
#include <QStringList>

// A window without widgets: records what the actions do to it, what they
// report and what they ask.
class FakeWorkbench : public Workbench, public Asker, public SessionEvents
{
public:
    QString log;
    QString source;
    bool modified = false;
    bool running = false;  // between an action's start and its end
    int toolStarts = 0;
    QStringList progress;  // "Build started", "tool", "Build ended", ...
    QList<CompilerMessage> diagnostics;
    QList<QList<BudgetLine>> budgets;
    QList<bool> results;  // of the actions that ended
    // Each event in brief: "cleared", "command", "output", "message",
    // "error Hello.java:3:9", "budget 1", "Build started", "tool", "Build ended ok".
    QStringList events;
    QStringList messages;
    QStringList chooserPatterns;
    QStringList chooserCurrents;
    QString chooserAnswer;
    QString newProjectAnswer;
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    int saveQuestions = 0;
    QStringList namedInQuestion;  // by the last question about unsaved changes
    QStringList questions;
    bool yesNoAnswer = false;
    std::optional<ProjectSettings> settingsAnswer;
    QStringList settingsShown;  // the names the settings dialog was opened for

    void report(const Event &event) override
    {
        events << brief(event);
        log += logTextOf(event);
        if (std::holds_alternative<LogCleared>(event))
            log.clear();
        else if (const auto *error = std::get_if<Diagnostic>(&event))
            diagnostics << error->error;
        else if (const auto *budget = std::get_if<Budget>(&event))
            budgets << budget->lines;
        else if (const auto *step = std::get_if<Progress>(&event))
            started(*step);
        else if (const auto *ended = std::get_if<ActionEnded>(&event)) {
            running = false;
            results << ended->ok;
            progress << name(ended->action) + QStringLiteral(" ended");
        }
    }

    QString sourceText() const override { return source; }
    void setSourceText(const QString &text) override { source = text; modified = false; }
    bool isSourceModified() const override { return modified; }
    void setSourceModified(bool m) override { modified = m; }
    void showMessage(const QString &text) override { messages << text; }
    SaveAnswer askSaveChanges(const QStringList &files) override
    {
        ++saveQuestions;
        namedInQuestion = files;
        return saveAnswer;
    }
    bool askYesNo(const QString &question, Default) override { questions << question; return yesNoAnswer; }
    QString chooseProject(const QString &pattern, const QString &current) override
    {
        chooserPatterns << pattern;
        chooserCurrents << current;
        return chooserAnswer;
    }
    QString createNewProject() override { return newProjectAnswer; }
    std::optional<ProjectSettings> editProjectSettings(const QString &name, const ProjectSettings &) override
    {
        settingsShown << name;
        return settingsAnswer;
    }

private:
    void started(const Progress &step)
    {
        if (step.stage == Progress::Stage::ToolStarting) {
            ++toolStarts;
            progress << QStringLiteral("tool");
            return;
        }
        running = true;
        progress << name(step.action) + QStringLiteral(" started");
    }
    static QString brief(const Event &event)
    {
        if (const auto *error = std::get_if<Diagnostic>(&event))
            return QStringLiteral("error %1:%2:%3").arg(error->error.file).arg(error->error.line).arg(error->error.column);
        if (const auto *budget = std::get_if<Budget>(&event))
            return QStringLiteral("budget %1").arg(budget->lines.size());
        if (const auto *step = std::get_if<Progress>(&event))
            return step->stage == Progress::Stage::ToolStarting ? QStringLiteral("tool") : name(step->action) + QStringLiteral(" started");
        if (const auto *ended = std::get_if<ActionEnded>(&event))
            return name(ended->action) + (ended->ok ? QStringLiteral(" ended ok") : QStringLiteral(" ended failed"));
        static const char *const kinds[] = {"cleared", "command", "output", "message"};
        return QLatin1String(kinds[event.index()]);
    }
    static QString name(ActionKind action)
    {
        return QLatin1String(action == ActionKind::Build ? "Build" : action == ActionKind::Run ? "Run" : "Upload");
    }
};
