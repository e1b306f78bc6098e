#include "project/new_project.h"

#include "app/fs_helpers.h"
#include "app/line_ends.h"
#include "app/path_style.h"
#include "app/project_paths.h"
#include "app/text_file.h"
#include "project/project_messages.h"
#include "project/project_name.h"

#include <QDir>

namespace {

const QString kExists = QStringLiteral("すでにプロジェクトは生成されています。");
const QString kFailed = QStringLiteral(
    "プロジェクトの新規作成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。");
const QString kFolderNotMade = QStringLiteral(": フォルダを作成できませんでした。");

} // namespace

QString templateSourceText(const QString &name)
{
    return QStringLiteral("import com.nttdocomo.ui.*;\r\n"
                          "public class %1 extends IApplication {\r\n"
                          "    public void start() {\r\n"
                          "    }\r\n"
                          "}\r\n")
        .arg(name);
}

Result<ProjectPaths> makeNewProject(const QString &dojaPath, const PathStyle &style, const QString &name)
{
    using Made = Result<ProjectPaths>;
    if (!isValidProjectName(name))
        return Made::failure(invalidProjectNameMessage(name));
    const QString apps = ProjectPaths::appsFolder(dojaPath, style);
    if (!FolderExists(apps))
        return Made::failure(missingAppsFolderMessage(apps));
    const ProjectPaths paths(dojaPath, name, style);
    if (FolderExists(paths.folder()))
        return Made::failure(kExists);
    if (!QDir().mkdir(paths.folder()))
        return Made::failure(kFailed + kCrLf + paths.folder() + kFolderNotMade);
    // The general text, then what could not be made and why. The folder was
    // made just now and holds nothing of the user's: it goes, so no half
    // project stays behind; should it stay, the user is told so.
    const auto failed = [&paths](const QString &reason) {
        const QString left = QDir(paths.folder()).removeRecursively()
                                 ? QString()
                                 : kCrLf + paths.folder() + QStringLiteral(": 作りかけのフォルダを削除できませんでした。");
        return Made::failure(kFailed + kCrLf + reason + left);
    };
    for (const QString &sub : paths.newProjectFolders()) {
        if (!FolderExists(sub) && !QDir().mkdir(sub))
            return failed(sub + kFolderNotMade);
    }
    if (const Result<> written = writeCodePageFile(paths.sourceFile(), templateSourceText(name)); !written)
        return failed(written.error());
    return paths;
}

QString projectCreatedMessage(const ProjectPaths &project)
{
    return QStringLiteral("プロジェクト [") + project.name() + QStringLiteral("] を生成しました。\r\n")
           + QStringLiteral("Javaソースコードの場所は ") + project.sourceFolder() + QStringLiteral(" です。\r\n")
           + QStringLiteral("リソースファイルの場所は ") + project.resourceFolder() + QStringLiteral(" です。");
}
