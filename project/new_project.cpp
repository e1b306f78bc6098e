#include "project/new_project.h"

#include "app/app_settings.h"
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

NewProjectOutcome CreateNewProject(const AppSettings &settings, const PathStyle &style, const QString &name)
{
    if (!isValidProjectName(name))
        return {QString(), invalidProjectNameMessage(name)};
    const QString apps = ProjectPaths::appsFolder(settings.DOJA_PATH, style);
    if (!FolderExists(apps))
        return {QString(), missingAppsFolderMessage(apps)};
    const ProjectPaths paths(settings.DOJA_PATH, name, style);
    if (FolderExists(paths.folder()))
        return {QString(), kExists};
    if (!QDir().mkdir(paths.folder()))
        return {QString(), kFailed + kCrLf + paths.folder() + kFolderNotMade};
    // The general text, then what could not be made and why. The folder was
    // made just now and holds nothing of the user's: it goes, so no half
    // project stays behind.
    const auto failed = [&paths](const QString &reason) {
        QDir(paths.folder()).removeRecursively();
        return NewProjectOutcome{QString(), kFailed + kCrLf + reason};
    };
    for (const QString &sub : paths.newProjectFolders()) {
        if (!FolderExists(sub) && !QDir().mkdir(sub))
            return failed(sub + kFolderNotMade);
    }
    if (const Result<> written = writeCodePageFile(paths.sourceFile(), templateSourceText(name)); !written)
        return failed(written.error());
    const QString src = paths.sourceFolder();
    const QString res = paths.resourceFolder();
    return {name, QStringLiteral("プロジェクト [") + name + QStringLiteral("] を生成しました。\r\n")
                      + QStringLiteral("Javaソースコードの場所は ") + src + QStringLiteral(" です。\r\n")
                      + QStringLiteral("リソースファイルの場所は ") + res + QStringLiteral(" です。")};
}
