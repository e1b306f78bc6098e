#pragma once

#include "app/workbench.h"

#include <QString>
#include <QStringList>

// A window without widgets: records what the actions do to it.
class FakeWorkbench : public Workbench
{
public:
    QString log;
    QString source;
    bool modified = false;
    WindowFlags windowFlags;
    bool busy = false;
    int busyCount = 0;
    int processEventsCount = 0;
    QStringList messages;
    QStringList chooserPatterns;
    QString chooserAnswer;
    QString newProjectAnswer;
    SaveAnswer saveAnswer = SaveAnswer::Discard;
    int saveQuestions = 0;
    QStringList questions;
    bool yesNoAnswer = false;

    QString logText() const override { return log; }
    void appendLog(const QString &text) override { log += text; }
    void clearLog() override { log.clear(); }
    QString sourceText() const override { return source; }
    void setSourceText(const QString &text) override { source = text; modified = false; }
    bool isSourceModified() const override { return modified; }
    void setSourceModified(bool m) override { modified = m; }
    WindowFlags &flags() override { return windowFlags; }
    void setBusyCursor() override { busy = true; ++busyCount; }
    void restoreCursor() override { busy = false; }
    void processEvents() override { ++processEventsCount; }
    void showMessage(const QString &text) override { messages << text; }
    SaveAnswer askSaveChanges() override { ++saveQuestions; return saveAnswer; }
    bool askYesNo(const QString &question) override { questions << question; return yesNoAnswer; }
    QString chooseProject(const QString &pattern) override { chooserPatterns << pattern; return chooserAnswer; }
    QString createNewProject() override { return newProjectAnswer; }
};
