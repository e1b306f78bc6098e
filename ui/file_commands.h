#pragma once

class EditorTabs;
class ProjectSession;
class QWidget;
class SourceEditor;

// The main window's commands on the project's files and lines: Ctrl+G,
// Save of the file in view, New class, Remove file, Find in files.
class FileCommands
{
public:
    FileCommands(QWidget *window, ProjectSession &session, EditorTabs &tabs, SourceEditor *mainEditor)
        : m_window(window), m_session(session), m_tabs(tabs), m_mainEditor(mainEditor)
    {
    }

    void askLineAndGo();
    void saveCurrent();
    void newClass();
    void removeCurrent();
    void findInFiles();

private:
    QWidget *m_window;
    ProjectSession &m_session;
    EditorTabs &m_tabs;
    SourceEditor *m_mainEditor;
};
