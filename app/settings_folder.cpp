#include "app/settings_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString settingsFolder(const QString &programDir, bool programDirWritable, const QString &userFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(programDirWritable);
    Q_UNUSED(userFolder);
    return programDir;
#else
    const bool installed = QDir::cleanPath(programDir).endsWith(QLatin1String("/lib/quenvel"));
    return installed && !programDirWritable ? userFolder : programDir;
#endif
}

QString settingsFolderOfThisProgram()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quenvel");
    const QString folder = settingsFolder(programDir, QFileInfo(programDir).isWritable(), userFolder);
    if (folder == userFolder)
        QDir().mkpath(userFolder);
    return folder;
}
