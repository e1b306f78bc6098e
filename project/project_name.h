#pragma once

#include <QString>

// One name is a folder, a file's base name, a Java class and a settings
// section at once. Only a Java identifier that the code page can hold fits
// all four: no separator, blank, quote, bracket or line break can reach a
// path, a command line, the descriptor or the settings file.
bool isValidProjectName(const QString &name);

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case: Windows
// gives these names to devices, so no folder or file there can bear them.
// The program on Windows refuses them as project names.
bool isWindowsDeviceName(const QString &name);
