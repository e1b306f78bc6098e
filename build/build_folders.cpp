#include "build/build_folders.h"

#include "app/fs_helpers.h"
#include "app/project_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

namespace {

bool emptyFolder(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists())
        return true;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        const QString path = dir.filePath(entry);
        const QFileInfo info(path);
        // A link is removed, never followed into what it points at.
        const bool removed = info.isDir() && !info.isSymLink() ? QDir(path).removeRecursively() : QFile::remove(path);
        if (!removed)
            return false;
    }
    return true;
}

} // namespace

QString EmptyClassFolders(const ProjectPaths &project)
{
    for (const QString &folder : {project.compiledFolder(), project.classesFolder()}) {
        if (!emptyFolder(folder))
            return folder;
    }
    return {};
}

QString RemoveBuildProducts(const ProjectPaths &project)
{
    if (const QString failed = EmptyClassFolders(project); !failed.isEmpty())
        return failed;
    for (const QString &product : {project.archive(), project.descriptor(), project.page()}) {
        if (QFileInfo::exists(product) && !QFile::remove(product))
            return product;
    }
    return {};
}

bool holdsVisibleFile(const QString &folder)
{
    // Without QDir::Hidden and QDir::System, dot files, sockets and broken
    // links are left out: none of them is a resource to pack.
    return !QDir(folder).entryList(QDir::Files).isEmpty();
}
