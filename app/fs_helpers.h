#pragma once

#include <QString>

// Joins a folder path and a file name with the separator the path already
// uses ("\" or "/"), or the one given. The chosen separator is written back;
// a path with no separator is dropped and the name stands alone.
QString JoinPath(const QString &path, const QString &name, QString &separator, bool upperCase = false,
                 bool lowerCase = false, bool quoteWhenBlank = false);

// True for an existing folder; false for an ordinary file or nothing.
bool FolderExists(const QString &folder);
