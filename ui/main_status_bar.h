#pragma once

#include "build/handset_budget.h"

#include <QStatusBar>

class QLabel;
class QTimer;

// The main window's status bar: a text panel, the open project, whether the
// source has unsaved changes, the date and the time. The text panel reads ｽﾃｰﾀｽ, or
// how many compile errors are marked, names the action while one runs, and
// says why a command did nothing: for a few seconds, or until the next
// command where the note names a step to take first.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget *parent = nullptr);

    QString text() const;
    void setActivity(const QString &activity);  // empty: none
    enum class NoteEnd { AfterAWhile, AtNextCommand };
    void showNote(const QString &note, NoteEnd end = NoteEnd::AfterAWhile);
    // A command was given: a note held until then gives way.
    void commandGiven();
    void setErrorCount(int count);
    void setModified(bool modified);
    // The open project's name and target profile; empty: none is open.
    void setProject(const QString &name, const QString &profile = QString());
    // What the last build takes of the handset, in brief with the whole
    // lines as its tool tip; red when over a limit.
    void setBudget(const QList<BudgetLine> &budget);

    static constexpr int kNoteMilliseconds = 4000;

private:
    void showIdle();
    void updateClock();

    QLabel *m_text = nullptr;
    QLabel *m_project = nullptr;
    QLabel *m_budget = nullptr;
    QLabel *m_modified = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QTimer *m_noteEnd = nullptr;
    QString m_activity;
    int m_errorCount = 0;
    bool m_noteHeld = false;
};
