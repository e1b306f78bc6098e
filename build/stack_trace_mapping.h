#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The names ProGuard gave, read from its mapping file: for each short class
// name its original, and for each of its short method names the originals
// that bear it (more than one where methods were overloaded onto one name).
struct ShrinkMap {
    struct Class {
        QString original;
        QHash<QString, QStringList> methods;
    };
    QHash<QString, Class> classes;  // by short name
};

// Lines ProGuard writes: "Original -> short:" for a class, then its
// members indented, "    [a:b:]type name(args)[:c:d] -> short" for a
// method. Fields and lines of any other form are passed over.
ShrinkMap parseShrinkMap(const QString &mapText);

// The stack traces in a tool's output (LF line ends) with the original
// names: each exception line followed by "at" lines, each "Caused by:"
// and "... n more" line. Lines outside a trace are left out. Empty when no
// line of a trace names a class of the map.
QStringList restoredStackTraces(const ShrinkMap &map, const QString &output);
