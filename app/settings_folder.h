#pragma once

#include <QString>

// The folder whose Tovra.ini the program uses: the program's own, as
// everywhere. Only a copy installed as <prefix>/lib/quenvel/quenvel (the
// Debian package) in a folder this user may not write keeps it in the user's
// own configuration folder, where a save can succeed; Windows never does.
QString settingsFolder(const QString &programDir, bool programDirWritable, const QString &userFolder);

// The same for this program, ~/.config/Quenvel as the user's folder (made
// when chosen; a failure there is named by the first save).
QString settingsFolderOfThisProgram();
