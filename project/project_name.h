#pragma once

#include <QString>

// One name is a folder, a file's base name, a Java class and a settings
// section at once. Only a Java identifier that the code page can hold fits
// all four: no separator, blank, quote, bracket or line break can reach a
// path, a command line, the descriptor or the settings file.
bool isValidProjectName(const QString &name);
