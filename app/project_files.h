#pragma once

#include "app/result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct OpenedProject;
struct PathStyle;
class ProjectPaths;

// One file of the project's src or res tree: its path below that folder,
// '/'-separated, and its size in bytes.
struct ProjectFile {
    QString path;
    qint64 size = 0;

    bool operator==(const ProjectFile &) const = default;
};

// The files below folder in tree order: a folder's own files by name, then
// each subfolder's by name. sourcesOnly keeps the .java files.
QList<ProjectFile> projectTree(const QString &folder, bool sourcesOnly);
QStringList projectSourceFiles(const QString &sourceFolder);

// The compiler's source arguments, one wildcard per folder that holds
// sources (src/*.java src/jp/example/*.java), all in one call; src/*.java
// alone when there are none, so the compiler says what is missing.
QStringList sourceWildcards(const QStringList &sources, const PathStyle &style);

// The class the handset starts: the AppClass setting, else the project's
// name; also while the setting is no class name, which stops the build, so
// the file shown and saved stays the one opened.
QString mainClass(const QString &projectName, const QString &appClass);
QString mainClass(const OpenedProject &project);
// Its source below src ("jp/example/Game.java").
QString mainSourcePath(const OpenedProject &project);
QString classSourcePath(const QString &qualifiedClass);
// Its file on disk.
QString mainSourceFile(const OpenedProject &project);

// The source below src that a compiler's printed file names (src/jp/Game.java,
// src\\Game.java, a full path), or empty when it names none of sources.
QString sourceNamedBy(const QString &printedFile, const QStringList &sources);

// File > New class: src/<name>.java holding an empty class, or why not (no
// class name, or the file is there).
Result<QString> makeNewClass(const ProjectPaths &paths, const QString &name);

// One line holding what Find in files looked for.
struct FileHit {
    QString file;  // below src, '/'-separated
    int line = 0;  // 1-based
    QString text;

    bool operator==(const FileHit &) const = default;
};
// Every line of each text that holds needle, in the order of the files.
struct SearchedText {
    QString file;
    QString text;
    QString problem;
};
// The sources' texts: an open editor's as it holds it (openText gives a null
// text for a file not open), the others as read from disk in the code page.
// A file that cannot be read holds its reason in problem.
QList<SearchedText> sourceTexts(const ProjectPaths &paths, const QStringList &sources,
                                const std::function<QString(const QString &)> &openText);
// A file's problem is a hit of its own, on line 0.
QList<FileHit> findInTexts(const QList<SearchedText> &texts, const QString &needle, Qt::CaseSensitivity sensitivity);
