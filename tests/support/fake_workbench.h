#pragma once

#include "app/action_progress.h"
#include "app/asker.h"
#include "app/workbench.h"

#include <QString>
#include <QStringList>

// A window without widgets: records what the actions do to it and what
// they report.
class FakeWorkbench : public Workbench, public Asker, public ActionProgress
{
public:
    QString log;
    QString source;
    bool modified = false;
    bool running = false;  // between an action's start and its end
    int toolStarts = 0;
    QStringList progress;  // "Build started", "tool", "Build ended", ...
    QStringList messages;
    QStringList chooserPatterns;
    QStringList chooserCurrents;
    QString chooserAnswer;
    QString newProjectAnswer;
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    int saveQuestions = 0;
    QStringList questions;
    bool yesNoAnswer = false;
    std::optional<ProjectSettings> settingsAnswer;
    QStringList settingsShown;  // the names the settings dialog was opened for

    QString logText() const override { return log; }
    void appendLog(const QString &text) override { log += text; }
    void clearLog() override { log.clear(); }
    QString sourceText() const override { return source; }
    void setSourceText(const QString &text) override { source = text; modified = false; }
    bool isSourceModified() const override { return modified; }
    void setSourceModified(bool m) override { modified = m; }
    void showMessage(const QString &text) override { messages << text; }
    SaveAnswer askSaveChanges() override { ++saveQuestions; return saveAnswer; }
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

    void actionStarted(ActionKind action) override
    {
        running = true;
        progress << name(action) + QStringLiteral(" started");
    }
    void toolStarting() override
    {
        ++toolStarts;
        progress << QStringLiteral("tool");
    }
    void actionEnded(ActionKind action) override
    {
        running = false;
        progress << name(action) + QStringLiteral(" ended");
    }

private:
    static QString name(ActionKind action)
    {
        return QLatin1String(action == ActionKind::Build ? "Build" : action == ActionKind::Run ? "Run" : "Upload");
    }
};
