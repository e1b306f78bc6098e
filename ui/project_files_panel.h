#pragma once

#include "app/project_files.h"

#include <QTreeWidget>

// The project's files beside the editors: the sources below src, those in a
// package folder under its package, the main one in bold, and the resources
// below res with their sizes in bytes.
// A source opens with a double click or Enter.
class ProjectFilesPanel : public QTreeWidget
{
    Q_OBJECT
public:
    explicit ProjectFilesPanel(QWidget *parent = nullptr);

    void showFiles(const QList<ProjectFile> &sources, const QList<ProjectFile> &resources, const QString &mainSource);
    // A star after a source that holds unsaved changes.
    void setModified(const QString &relative, bool modified);

Q_SIGNALS:
    void sourceChosen(const QString &relative);

private:
    QTreeWidgetItem *m_sources = nullptr;
};
