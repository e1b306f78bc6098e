#include "app/fs_helpers.h"

#include <QFileInfo>

bool FolderExists(const QString &folder)
{
    return !folder.isEmpty() && QFileInfo(folder).isDir();
}
