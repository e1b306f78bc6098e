#include "project/open_project.h"

#include "app/services.h"
#include "app/settings_store.h"
#include "build/log_output.h"
#include "ui/source_text.h"
#include "ui/workbench.h"

#include <QFileInfo>

namespace {

const QString kNotAProject = QStringLiteral(
    "このプロジェクトはQuenvelで扱える形式ではありません。\r\n"
    "\r\n"
    "(1)プロジェクトのソースコードは(プロジェクト名).javaでないといけません\r\n"
    "(2)パッケージは利用できません。");

} // namespace

QString OpenProject(Services &services, const QString &requestedName)
{
    SettingsStore &store = services.store;
    const PathStyle &style = store.style();
    const QString apps = style.join(store.settings().DOJA_PATH, {QStringLiteral("apps")});
    QString name = requestedName;
    if (name.isEmpty())
        name = services.bench.chooseProject(style.join(apps, {QStringLiteral("*")}));

    const QString source = style.join(apps, {name, QStringLiteral("src"), name + QStringLiteral(".java")});
    if (name.isEmpty() || !QFileInfo(source).isFile()) {
        services.bench.showMessage(kNotAProject);
        return {};
    }

    const QString text = OpenText(services.bench, source);
    const bool written = store.WriteIniString(QStringLiteral("Global"), QStringLiteral("lastProject"), name);
    store.LoadSettings();
    // The settings file may not have taken the name; the opened project
    // must govern all the same, so a save never lands in another project.
    if (!written || store.settings().lastProject != name)
        store.adoptProject(name);
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
    services.bench.setSourceText(OpenProject(services, QString()));
}

void mnuFileNew_Click(Services &services)
{
    if (!MaySourceBeLeft(services))
        return;
    const QString name = services.bench.createNewProject();
    if (name.isEmpty())
        return;
    services.bench.setSourceText(OpenProject(services, name));
}
