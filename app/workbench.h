#pragma once

#include <QString>

// What the actions need of the main window's editor: its text, with CR LF
// line ends. frmMain implements it; the headless runner and the tests have
// their own.
class Workbench
{
public:
    virtual ~Workbench() = default;

    virtual QString sourceText() const = 0;
    // Replaces the editor text; the new text counts as unchanged.
    virtual void setSourceText(const QString &text) = 0;
    virtual bool isSourceModified() const = 0;
    virtual void setSourceModified(bool modified) = 0;
};
