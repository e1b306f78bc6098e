#pragma once

#include "app/source_document.h"
#include "build/compiler_messages.h"

#include <QList>
#include <QWidget>
#include <memory>
#include <vector>

class Asker;
class FindBar;
class ProjectFilesPanel;
class ProjectSession;
class QSplitter;
class QStackedWidget;
class QTabBar;
class SessionEvents;
class SourceEditor;
class SourceText;

// The project's sources in editors: the main file's editor always, one more
// per other file opened, a tab each once there are two, and beside them the
// list of the project's files once it has more than one source. It is the
// source document of the actions: the main file through the main editor,
// the others through theirs. With one source it shows the main editor alone.
class EditorTabs : public QWidget, public SourceDocument
{
    Q_OBJECT
public:
    EditorTabs(SourceEditor *mainEditor, Asker &asker, SessionEvents &events, const ProjectSession &session);
    ~EditorTabs() override;

    Result<std::optional<QString>> read(const QString &path) override;
    SaveOutcome save(const QString &path) override;
    QStringList changedOtherFiles() const override;
    SaveOutcome saveOther(const QString &path) override;

    // The opened project's files: other editors close, the list is read anew.
    void showProject();
    // The list again, after a file came or went; a removed file's editor closes.
    void refreshFiles();
    // A source below src in its editor, opened when it is not; false, with
    // the reason in the log, when it cannot be read.
    bool openFile(const QString &relative);
    SourceEditor *current() const;
    // The current editor's file on disk.
    QString currentFile() const;
    FindBar *findBar() const;

    // The compiler's errors: a mark in the file each names, counted all.
    void clearDiagnostics();
    // False for an error in no source of the project: it has no mark.
    bool addDiagnostic(const CompilerMessage &error);
    // The marks in open editors and the errors in files not open.
    int diagnosticCount() const;
    // The error of that index in log order, its file opened.
    void goToDiagnostic(int index);
    // F8 and Shift+F8; false when there is none.
    bool goToNextDiagnostic(bool forward);
    // Every open editor's text by file below src, for Find in files.
    QString openText(const QString &relative) const;

Q_SIGNALS:
    void said(const QString &note);
    void currentModifiedChanged(bool modified);
    void diagnosticsChanged(int count);

private:
    struct Open;
    struct Diagnostic {
        CompilerMessage error;
        QString file;  // below src; empty: none of the project's sources
    };
    Open *openOf(const QString &relative) const;
    Open &add(const QString &relative, SourceEditor *editor);
    void showOpen(int index);
    void closeOthers();
    void markFile(const QString &relative);
    void updateTitle(int index);

    Asker &m_asker;
    SessionEvents &m_events;
    const ProjectSession &m_session;
    std::vector<std::unique_ptr<Open>> m_open;  // the main file first
    QSplitter *m_splitter = nullptr;
    ProjectFilesPanel *m_files = nullptr;
    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_stack = nullptr;
    QList<Diagnostic> m_diagnostics;
    int m_lastDiagnostic = -1;
};
