#pragma once

#include <QString>

// The reserved words and literals of the language, those of later versions
// included, so a name that avoids them compiles with any compiler.
bool isJavaKeyword(const QString &name);
// One identifier: a letter, '_' or '$' first, then those or digits; no keyword.
bool isJavaIdentifier(const QString &name);
// A class name with an optional package ("Game", "jp.example.Game").
bool isQualifiedJavaClassName(const QString &name);
