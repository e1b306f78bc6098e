#include "project/open_project.h"

#include "app/asker.h"
#include "app/fs_helpers.h"
#include "app/line_ends.h"
#include "app/project_files.h"
#include "app/services.h"
#include "app/settings_store.h"
#include "app/source_document.h"
#include "build/log_output.h"
#include "project/project_messages.h"
#include "project/project_name.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kNotAProject = QStringLiteral(
    "このプロジェクトはQuenvelで扱える形式ではありません。\r\n"
    "\r\n"
    "(1)プロジェクトのソースコードは(プロジェクト名).javaでないといけません\r\n"
    "(2)パッケージは利用できません。");

using Opening = Result<std::optional<ProjectOpening>>;

} // namespace

Opening OpenProject(Services &services, const QString &requestedName, const QString &current)
{
    SettingsStore &store = services.store;
    const PathStyle &style = store.style();
    const QString dojaPath = store.settings().DOJA_PATH;
    QString name = requestedName;
    const QString apps = ProjectPaths::appsFolder(dojaPath, style);
    if (!FolderExists(apps))
        return Opening::failure(missingAppsFolderMessage(apps));
    if (name.isEmpty()) {
        const QString everyProject = style.join(apps, {QStringLiteral("*")});
        // The open project, else the last one the settings name.
        name = services.asker.chooseProject(everyProject, current.isEmpty() ? store.settings().lastProject : current);
        if (name.isEmpty())
            return std::optional<ProjectOpening>();
    }

    // The name is checked before it reaches a path: "..", a separator or a
    // blank would lead outside the SDK or break the tools' command lines.
    if (!isValidProjectName(name))
        return Opening::failure(invalidProjectNameMessage(name));
    // The project is the one whose source is read, whatever DOJA_PATH the
    // settings file names by the time it is recorded.
    const ProjectPaths paths(dojaPath, name, style);
    // A main class in a package is named in the project's settings; the
    // recording below reports a settings file that cannot be read.
    const Result<ProjectRecord> before = store.readProjectRecord(name);
    const QString appClass = before ? before->settings.AppClass : QString();
    const QString mainFile = paths.sourceFileAt(classSourcePath(mainClass(name, appClass)));
    if (!QFileInfo(mainFile).isFile() && mainClass(name, appClass) != name)
        return Opening::failure(QStringLiteral("プロジェクトの設定のAppClass(%1)のソースファイル %2 がありません。")
                                    .arg(appClass, QDir::toNativeSeparators(mainFile)));
    if (!QFileInfo(mainFile).isFile())
        return Opening::failure(kNotAProject);

    const Result<std::optional<QString>> text = services.document.read(mainFile);
    // Declined, nothing is opened and nothing changes.
    if (text && !*text)
        return std::optional<ProjectOpening>();
    const Result<ProjectRecord> record = store.recordOpenedProject(name);
    if (!record)
        return Opening::failure(record.error());
    if (!record->recorded)
        AppendLogLine(services.events, QStringLiteral("開いたプロジェクトを設定ファイルに記録できませんでした。") + kCrLf
                                          + record->recorded.error());
    // A source that cannot be read opens as an empty text, and the log says why.
    if (!text)
        AppendLogLine(services.events, text.error());
    AppendLogLine(services.events, QStringLiteral("プロジェクト [") + name + QStringLiteral("] は読みこまれました"));
    return std::optional<ProjectOpening>(
        ProjectOpening{OpenedProject{name, paths, record->major, record->minor, record->settings, record->jamChecked}, text ? **text : QString()});
}
