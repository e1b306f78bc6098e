#include "build/build_folders.h"

#include "app/fs_helpers.h"
#include "app/project_paths.h"
#include "build/build_messages.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

Result<> PrepareBuildFolders(const ProjectPaths &project)
{
    for (const QString &folder : project.buildFolders()) {
        if (FolderExists(folder))
            continue;
        if (!QDir().mkdir(folder))
            return Result<>::failure(folder + kFolderNotCreated);
    }
    return Result<>::success();
}

namespace {

// Class files below the folder, links neither followed nor listed as folders.
QStringList classFilesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, {QStringLiteral("*.class")}, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A folder left empty by the class files is removed too: jar would pack it.
void removeEmptiedFolders(const QString &top, const QString &file)
{
    QDir dir = QFileInfo(QDir(top).filePath(file)).dir();
    while (QDir::cleanPath(dir.absolutePath()) != QDir::cleanPath(QDir(top).absolutePath()) && dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString name = dir.dirName();
        if (!dir.cdUp() || !dir.rmdir(name))
            return;
    }
}

Result<QStringList> removeClassFilesIn(const QString &folder)
{
    const QFileInfo info(folder);
    // Deleting through a link would empty a folder outside the project.
    if (info.isSymLink())
        return Result<QStringList>::failure(
            QStringLiteral("%1はフォルダではなくリンクのため、中のクラスファイルを削除しません。リンクを削除してください。")
                .arg(QDir::toNativeSeparators(folder)));
    if (!info.isDir())
        return QStringList();
    const QStringList files = classFilesBelow(folder);
    for (const QString &file : files) {
        if (!QFile::remove(QDir(folder).filePath(file)))
            return Result<QStringList>::failure(
                QStringLiteral("%1を削除できませんでした。").arg(QDir::toNativeSeparators(QDir(folder).filePath(file))));
        removeEmptiedFolders(folder, file);
    }
    return files;
}

} // namespace

Result<QStringList> removeClassFiles(const ProjectPaths &project)
{
    QStringList removed;
    for (const QString &folder : {project.compiledFolder(), project.classesFolder()}) {
        const Result<QStringList> files = removeClassFilesIn(folder);
        if (!files)
            return files;
        for (const QString &file : *files) {
            if (!removed.contains(file))
                removed << file;
        }
    }
    removed.sort();
    return removed;
}

QStringList compiledClassFiles(const ProjectPaths &project)
{
    return classFilesBelow(project.compiledFolder());
}

Result<> removeBuildProducts(const ProjectPaths &project)
{
    if (const Result<QStringList> removed = removeClassFiles(project); !removed)
        return Result<>::failure(removed.error());
    // What a shrinking build left goes too.
    if (const Result<QStringList> shrunk = removeClassFilesIn(project.shrunkFolder()); !shrunk)
        return Result<>::failure(shrunk.error());
    for (const QString &product : {project.archive(), project.descriptor(), project.page(), project.shrinkMap()}) {
        if (QFileInfo::exists(product) && !QFile::remove(product))
            return Result<>::failure(QStringLiteral("%1を削除できませんでした。").arg(product));
    }
    return Result<>::success();
}

bool holdsVisibleFile(const QString &folder)
{
    // Without QDir::Hidden and QDir::System, dot files, sockets and broken
    // links are left out: none of them is a resource to pack.
    return !QDir(folder).entryList(QDir::Files).isEmpty();
}
