#include "app/project_files.h"

#include "app/code_page.h"
#include "app/java_names.h"
#include "app/opened_project.h"
#include "app/path_style.h"
#include "app/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

void collect(const QDir &folder, const QString &prefix, bool sourcesOnly, QList<ProjectFile> &files)
{
    const QDir::Filters filters = QDir::NoDotAndDotDot | QDir::CaseSensitive;
    const QFileInfoList own = folder.entryInfoList(sourcesOnly ? QStringList{QStringLiteral("*.java")} : QStringList{},
                                                   QDir::Files | filters, QDir::Name);
    for (const QFileInfo &file : own)
        files.append({prefix + file.fileName(), file.size()});
    for (const QString &sub : folder.entryList(QDir::Dirs | filters, QDir::Name))
        collect(QDir(folder.filePath(sub)), prefix + sub + QLatin1Char('/'), sourcesOnly, files);
}

} // namespace

QList<ProjectFile> projectTree(const QString &folder, bool sourcesOnly)
{
    QList<ProjectFile> files;
    if (QFileInfo(folder).isDir())
        collect(QDir(folder), QString(), sourcesOnly, files);
    return files;
}

QStringList projectSourceFiles(const QString &sourceFolder)
{
    QStringList paths;
    for (const ProjectFile &file : projectTree(sourceFolder, true))
        paths << file.path;
    return paths;
}

QStringList sourceWildcards(const QStringList &sources, const PathStyle &style)
{
    QStringList folders;
    for (const QString &source : sources) {
        const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
        const QString folder = slash < 0 ? QString() : source.left(slash);
        if (!folders.contains(folder))
            folders << folder;
    }
    if (folders.isEmpty())
        folders << QString();
    QStringList wildcards;
    for (const QString &folder : std::as_const(folders)) {
        QStringList pieces{QStringLiteral("src")};
        if (!folder.isEmpty())
            pieces << folder.split(QLatin1Char('/'));
        pieces << QStringLiteral("*.java");
        wildcards << pieces.join(style.separator);
    }
    return wildcards;
}

QString mainClass(const QString &projectName, const QString &appClass)
{
    return isQualifiedJavaClassName(appClass) ? appClass : projectName;
}

QString mainClass(const OpenedProject &project)
{
    return mainClass(project.name, project.settings.AppClass);
}

QString classSourcePath(const QString &qualifiedClass)
{
    return QString(qualifiedClass).replace(QLatin1Char('.'), QLatin1Char('/')) + QStringLiteral(".java");
}

QString mainSourcePath(const OpenedProject &project)
{
    return classSourcePath(mainClass(project));
}

QString mainSourceFile(const OpenedProject &project)
{
    return project.paths.sourceFileAt(mainSourcePath(project));
}

QString sourceNamedBy(const QString &printedFile, const QStringList &sources)
{
    const QString printed = QString(printedFile).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString &source : sources) {
        const QString below = QStringLiteral("src/") + source;
        if (printed.compare(below, Qt::CaseInsensitive) == 0 || printed.endsWith(QLatin1Char('/') + below, Qt::CaseInsensitive))
            return source;
    }
    // A compiler that prints the bare name: the one source of that name.
    const QString name = printed.section(QLatin1Char('/'), -1);
    QString found;
    for (const QString &source : sources) {
        if (source.section(QLatin1Char('/'), -1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {};
        found = source;
    }
    return found;
}

Result<QString> makeNewClass(const ProjectPaths &paths, const QString &name)
{
    if (!isJavaIdentifier(name) || !toCodePage(name))
        return Result<QString>::failure(QStringLiteral("「%1」はクラス名にできません。英字で始まる英数字の名前にしてください。").arg(name));
    const QString relative = name + QStringLiteral(".java");
    const QString path = paths.sourceFileAt(relative);
    // Windows file names ignore case, so a name differing only in case is taken too.
    for (const QString &source : projectSourceFiles(paths.sourceFolder())) {
        if (source.compare(relative, Qt::CaseInsensitive) == 0)
            return Result<QString>::failure(QStringLiteral("%1 はすでにあります。").arg(paths.sourceFileAt(source)));
    }
    if (const Result<> written = writeCodePageFile(path, QStringLiteral("public class %1 {\r\n}\r\n").arg(name)); !written)
        return Result<QString>::failure(written.error());
    return path;
}

QList<SearchedText> sourceTexts(const ProjectPaths &paths, const QStringList &sources,
                                const std::function<QString(const QString &)> &openText)
{
    QList<SearchedText> texts;
    for (const QString &source : sources) {
        if (const QString open = openText(source); !open.isNull()) {
            texts.append({source, open, QString()});
            continue;
        }
        const Result<QByteArray> bytes = readWholeFile(paths.sourceFileAt(source));
        texts.append(bytes ? SearchedText{source, fromCodePage(*bytes), QString()} : SearchedText{source, QString(), bytes.error()});
    }
    return texts;
}

QList<FileHit> findInTexts(const QList<SearchedText> &texts, const QString &needle, Qt::CaseSensitivity sensitivity)
{
    QList<FileHit> hits;
    if (needle.isEmpty())
        return hits;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const SearchedText &source : texts) {
        if (!source.problem.isEmpty()) {
            hits.append({source.file, 0, source.problem});
            continue;
        }
        const QStringList lines = source.text.split(lineEnd);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].contains(needle, sensitivity))
                hits.append({source.file, int(i + 1), lines[i]});
        }
    }
    return hits;
}
