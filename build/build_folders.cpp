#include "build/build_folders.h"

#include "app/app_settings.h"
#include "app/fs_helpers.h"
#include "app/path_style.h"

#include <QDir>
QString PrepareBuildFolders(const AppSettings &settings, const PathStyle &style)
{
    const QStringList names = {QStringLiteral("bin"), QStringLiteral("src"), QStringLiteral("res"),
                               QStringLiteral("tmpclasses"), QStringLiteral("classes")};
    for (const QString &name : names) {
        const QString folder = style.join(settings.ProjectFolder, {name});
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
