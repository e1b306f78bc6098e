#include "build/build_folders.h"

#include "app/fs_helpers.h"
#include "app/project_paths.h"

#include <QDir>

QString PrepareBuildFolders(const ProjectPaths &project)
{
    for (const QString &folder : project.buildFolders()) {
        if (FolderExists(folder))
            continue;
        if (!QDir().mkdir(folder))
            return folder;
    }
    return {};
}

bool holdsVisibleFile(const QString &folder)
{
    // Without QDir::Hidden and QDir::System, dot files, sockets and broken
    // links are left out: none of them is a resource to pack.
    return !QDir(folder).entryList(QDir::Files).isEmpty();
}
