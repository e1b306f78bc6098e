#include "project/new_project.h"

#include "app/app_settings.h"
#include "app/fs_helpers.h"
#include "app/path_style.h"
#include "app/project_paths.h"
#include "app/text_file.h"
#include "project/project_name.h"

#include <QDir>

namespace {

const QString kExists = QStringLiteral("すでにプロジェクトは生成されています。");
const QString kFailed = QStringLiteral(
    "プロジェクトの新規作成に失敗しました。ディスクがいっぱいか、アクセス権を確認してください。");

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

NewProjectOutcome CreateNewProject(const AppSettings &settings, const PathStyle &style, const QString &name)
{
    if (!isValidProjectName(name))
        return {QString(), kFailed};
    const ProjectPaths paths(settings.DOJA_PATH, name, style);
    if (FolderExists(paths.folder()))
        return {QString(), kExists};
    if (!QDir().mkdir(paths.folder()))
        return {QString(), kFailed};
    for (const QString &sub : paths.newProjectFolders()) {
        if (!FolderExists(sub) && !QDir().mkdir(sub))
            return {QString(), kFailed};
    }
    if (!writeCodePageFile(paths.sourceFile(), templateSourceText(name)))
        return {QString(), kFailed};
    const QString src = paths.sourceFolder();
    const QString res = paths.resourceFolder();
    return {name, QStringLiteral("プロジェクト [") + name + QStringLiteral("] を生成しました。\r\n")
                      + QStringLiteral("Javaソースコードの場所は ") + src + QStringLiteral(" です。\r\n")
                      + QStringLiteral("リソースファイルの場所は ") + res + QStringLiteral(" です。")};
}
