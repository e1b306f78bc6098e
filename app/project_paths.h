#pragma once

#include "app/path_style.h"

#include <QString>
#include <QStringList>

// Where a project's folders, source and products lie under DOJA_PATH, each
// joined with the style's separator exactly as the tools spell it.
class ProjectPaths
{
public:
    ProjectPaths(const QString &dojaPath, const QString &name, const PathStyle &style);
    // DOJA_PATH/apps, the folder every project lies in.
    static QString appsFolder(const QString &dojaPath, const PathStyle &style);

    QString name() const { return m_name; }
    QString folder() const { return m_folder; }
    QString sourceFolder() const { return subfolder(QStringLiteral("src")); }
    QString resourceFolder() const { return subfolder(QStringLiteral("res")); }
    QString binFolder() const { return subfolder(QStringLiteral("bin")); }
    QString classesFolder() const { return subfolder(QStringLiteral("classes")); }
    // The compiler's output, before the preverifier.
    QString compiledFolder() const { return subfolder(QStringLiteral("tmpclasses")); }
    // The shrinker's output, before the preverifier, when the project shrinks.
    QString shrunkFolder() const { return subfolder(QStringLiteral("shrunkclasses")); }
    QString sourceFile() const;  // src/<name>.java
    // A file below src, given '/'-separated (jp/example/Game.java).
    QString sourceFileAt(const QString &relative) const;
    QString archive() const { return product(QStringLiteral(".jar")); }
    QString descriptor() const { return product(QStringLiteral(".jam")); }
    QString page() const { return product(QStringLiteral(".htm")); }
    // The shrinker's names: which original each short name stands for.
    QString shrinkMap() const { return product(QStringLiteral(".map")); }

    // bin, src and res, in the order they are made.
    QStringList newProjectFolders() const;
    // The new project's folders and the compiler's and preverifier's outputs.
    QStringList buildFolders() const;

private:
    QString subfolder(const QString &piece) const { return m_style.join(m_folder, {piece}); }
    QString product(const QString &extension) const;  // bin/<name><extension>

    PathStyle m_style;
    QString m_name;
    QString m_folder;
};
