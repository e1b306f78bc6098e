#include "app/project_paths.h"

ProjectPaths::ProjectPaths(const QString &dojaPath, const QString &name, const PathStyle &style)
    : m_style(style)
    , m_name(name)
    , m_folder(style.join(appsFolder(dojaPath, style), {name}))
{
}

QString ProjectPaths::appsFolder(const QString &dojaPath, const PathStyle &style)
{
    return style.join(dojaPath, {QStringLiteral("apps")});
}

QString ProjectPaths::sourceFile() const
{
    return m_style.join(m_folder, {QStringLiteral("src"), m_name + QStringLiteral(".java")});
}

QString ProjectPaths::sourceFileAt(const QString &relative) const
{
    return m_style.join(m_folder, QStringList{QStringLiteral("src")} + relative.split(QLatin1Char('/')));
}

QString ProjectPaths::product(const QString &extension) const
{
    return m_style.join(m_folder, {QStringLiteral("bin"), m_name + extension});
}

QStringList ProjectPaths::newProjectFolders() const
{
    return {binFolder(), sourceFolder(), resourceFolder()};
}

QStringList ProjectPaths::buildFolders() const
{
    return newProjectFolders() << compiledFolder() << classesFolder();
}
