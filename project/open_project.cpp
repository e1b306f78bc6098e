#include "project/open_project.h"

#include "app/fs_helpers.h"
#include "app/line_ends.h"
#include "app/project_paths.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/workbench.h"
#include "build/log_output.h"
#include "project/project_messages.h"
#include "project/project_name.h"
#include "ui/source_text.h"

#include <QFileInfo>

namespace {

const QString kNotAProject = QStringLiteral(
    "このプロジェクトはQuenvelで扱える形式ではありません。\r\n"
    "\r\n"
    "(1)プロジェクトのソースコードは(プロジェクト名).javaでないといけません\r\n"
    "(2)パッケージは利用できません。");

} // namespace

std::optional<QString> OpenProject(Services &services, const QString &requestedName)
{
    SettingsStore &store = services.store;
    const PathStyle &style = store.style();
    const QString dojaPath = store.settings().DOJA_PATH;
    QString name = requestedName;
    const QString apps = ProjectPaths::appsFolder(dojaPath, style);
    if (!FolderExists(apps)) {
        services.bench.showMessage(missingAppsFolderMessage(apps));
        return std::nullopt;
    }
    if (name.isEmpty()) {
        const QString everyProject = style.join(apps, {QStringLiteral("*")});
        name = services.bench.chooseProject(everyProject);
        if (name.isEmpty())
            return std::nullopt;
    }

    // The name is checked before it reaches a path: "..", a separator or a
    // blank would lead outside the SDK or break the tools' command lines.
    if (!isValidProjectName(name)) {
        services.bench.showMessage(invalidProjectNameMessage(name));
        return std::nullopt;
    }
    const QString source = ProjectPaths(dojaPath, name, style).sourceFile();
    if (!QFileInfo(source).isFile()) {
        services.bench.showMessage(kNotAProject);
        return std::nullopt;
    }

    const std::optional<QString> text = OpenText(services.bench, source);
    // Declined, nothing is opened and nothing changes.
    if (!text)
        return std::nullopt;
    // The opened project governs even when the settings file does not take
    // its name, so a save never lands in another project.
    const Result<> remembered = store.WriteIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), name);
    if (const Result<> loaded = store.adoptProject(name); !loaded) {
        services.bench.showMessage(loaded.error());
        return std::nullopt;
    }
    if (!remembered)
        AppendLogLine(services.bench, QStringLiteral("開いたプロジェクトを設定ファイルに記録できませんでした。") + kCrLf
                                          + remembered.error());
    AppendLogLine(services.bench, QStringLiteral("プロジェクト [") + store.settings().lastProject
                                      + QStringLiteral("] は読みこまれました"));
    WindowFlags &flags = services.bench.flags();
    flags.ProjectLoaded = true;
    flags.CanRun = true;
    flags.CanUpload = true;
    return text;
}

void mnuFileOpen_Click(Services &services)
{
    if (!MaySourceBeLeft(services))
        return;
    if (const std::optional<QString> text = OpenProject(services, QString()))
        services.bench.setSourceText(*text);
}

void mnuFileNew_Click(Services &services)
{
    if (!MaySourceBeLeft(services))
        return;
    const QString name = services.bench.createNewProject();
    if (name.isEmpty())
        return;
    if (const std::optional<QString> text = OpenProject(services, name))
        services.bench.setSourceText(*text);
}
