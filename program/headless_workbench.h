#pragma once

#include "app/asker.h"
#include "app/line_ends.h"
#include "app/workbench.h"
#include "build/session_events.h"

#include <QString>

class QTextStream;

// The window of a run without one: the log goes to one stream as it grows,
// with LF line ends, and message boxes go to the other. It keeps the editor
// text in memory like the window does, and chooses nothing.
class HeadlessWorkbench : public Workbench, public Asker, public SessionEvents
{
public:
    HeadlessWorkbench(QTextStream &out, QTextStream &err);

    // Writes what is still held back at the end of the log.
    void finish();

    // What was printed stays printed when the log is emptied.
    void report(const Event &event) override;
    // Whether the last action ended with every stage done.
    bool actionSucceeded() const { return m_succeeded; }

    QString sourceText() const override { return m_source; }
    void setSourceText(const QString &text) override;
    bool isSourceModified() const override { return m_modified; }
    void setSourceModified(bool modified) override { m_modified = modified; }

    void showMessage(const QString &text) override;
    SaveAnswer askSaveChanges(const QStringList &) override { return SaveAnswer::Discard; }
    // No one is there to answer: the question goes to err, and the answer is No.
    bool askYesNo(const QString &question, Default answer = Default::Yes) override;
    QString chooseProject(const QString &, const QString &) override { return {}; }
    QString createNewProject() override { return {}; }
    std::optional<ProjectSettings> editProjectSettings(const QString &, const ProjectSettings &) override { return {}; }

private:
    QTextStream &m_out;
    QTextStream &m_err;
    LfLineEndStream m_stream;
    QString m_source;
    bool m_modified = false;
    bool m_succeeded = false;
};
