#include "project/new_project.h"

#include "app/app_settings.h"
#include "app/fs_helpers.h"
#include "app/path_style.h"
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
    const QString folder = style.join(settings.DOJA_PATH, {QStringLiteral("apps"), name});
    if (FolderExists(folder))
        return {QString(), kExists};
    if (!QDir().mkdir(folder))
        return {QString(), kFailed};
    for (const QString &piece : {QStringLiteral("bin"), QStringLiteral("src"), QStringLiteral("res")}) {
        const QString sub = style.join(folder, {piece});
        if (!FolderExists(sub) && !QDir().mkdir(sub))
            return {QString(), kFailed};
    }
    const QString source = style.join(folder, {QStringLiteral("src"), name + QStringLiteral(".java")});
    if (!writeCodePageFile(source, templateSourceText(name)))
        return {QString(), kFailed};
    const QString src = style.join(folder, {QStringLiteral("src")});
    const QString res = style.join(folder, {QStringLiteral("res")});
    return {name, QStringLiteral("プロジェクト [") + name + QStringLiteral("] を生成しました。\r\n")
                      + QStringLiteral("Javaソースコードの場所は ") + src + QStringLiteral(" です。\r\n")
                      + QStringLiteral("リソースファイルの場所は ") + res + QStringLiteral(" です。")};
}
