#include "app/source_document.h"

#include "app/asker.h"
#include "app/opened_project.h"
#include "app/project_files.h"
#include "app/services.h"
#include "app/workbench.h"

SaveOutcome mnuFileSave_Click(Services &services, const OpenedProject *project)
{
    if (!project)
        return SaveOutcome::NothingToSave;
    return services.document.save(mainSourceFile(*project));
}

namespace {

// The main file first when it is not in the tree (it was removed on disk),
// changed files that are no longer there last.
QStringList inTreeOrder(const OpenedProject &project, const QString &mainFile, const QStringList &others)
{
    QStringList order;
    for (const QString &source : projectSourceFiles(project.paths.sourceFolder())) {
        const QString path = project.paths.sourceFileAt(source);
        if (path == mainFile || others.contains(path))
            order << path;
    }
    if (!order.contains(mainFile))
        order.prepend(mainFile);
    for (const QString &path : others) {
        if (!order.contains(path))
            order << path;
    }
    return order;
}

} // namespace

bool saveAllSources(Services &services, const OpenedProject &project)
{
    const QString mainFile = mainSourceFile(project);
    bool saved = true;
    for (const QString &path : inTreeOrder(project, mainFile, services.document.changedOtherFiles())) {
        const SaveOutcome outcome = path == mainFile ? services.document.save(path) : services.document.saveOther(path);
        saved = saved && outcome != SaveOutcome::Failed;
    }
    return saved;
}

bool maySourceBeLeft(Services &services, const OpenedProject *project)
{
    Workbench &bench = services.bench;
    if (!project)
        return true;
    const QString mainFile = mainSourceFile(*project);
    const bool mainChanged = bench.isSourceModified() && !bench.sourceText().isEmpty();
    const QStringList others = services.document.changedOtherFiles();
    if (!others.isEmpty()) {
        QStringList changed = inTreeOrder(*project, mainFile, others);
        if (!mainChanged)
            changed.removeOne(mainFile);
        QStringList names;
        for (const QString &path : std::as_const(changed))
            names << path.mid(project->paths.sourceFolder().size() + 1);
        switch (services.asker.askSaveChanges(names)) {
        case Asker::SaveAnswer::Save: {
            bool saved = true;
            for (const QString &path : std::as_const(changed))
                saved = (path == mainFile ? services.document.save(path) : services.document.saveOther(path)) == SaveOutcome::Saved && saved;
            return saved;
        }
        case Asker::SaveAnswer::Discard:
            return true;
        case Asker::SaveAnswer::Cancel:
            return false;
        }
    }
    if (!mainChanged)
        return true;
    switch (services.asker.askSaveChanges({})) {
    case Asker::SaveAnswer::Save:
        return services.document.save(mainFile) == SaveOutcome::Saved;
    case Asker::SaveAnswer::Discard:
        return true;
    case Asker::SaveAnswer::Cancel:
        break;
    }
    return false;
}
