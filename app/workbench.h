#pragma once

#include <QString>

// What the actions need of the main window: its log and its document (the
// editor's text). frmMain implements it; the headless runner and the tests
// have their own. Texts hold CR LF line ends.
class Workbench
{
public:
    virtual ~Workbench() = default;

    virtual QString logText() const = 0;
    virtual void appendLog(const QString &text) = 0;  // exactly the text, nothing added
    virtual void clearLog() = 0;

    virtual QString sourceText() const = 0;
    // Replaces the editor text; the new text counts as unchanged.
    virtual void setSourceText(const QString &text) = 0;
    virtual bool isSourceModified() const = 0;
    virtual void setSourceModified(bool modified) = 0;
};
