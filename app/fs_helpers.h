#pragma once

#include <QString>

// True for an existing folder; false for an ordinary file or nothing.
bool FolderExists(const QString &folder);
