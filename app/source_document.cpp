#include "app/source_document.h"

#include "app/asker.h"
#include "app/opened_project.h"
#include "app/services.h"
#include "app/workbench.h"

SaveOutcome mnuFileSave_Click(Services &services, const OpenedProject *project)
{
    if (!project)
        return SaveOutcome::NothingToSave;
    return services.document.save(project->paths.sourceFile());
}

bool maySourceBeLeft(Services &services, const OpenedProject *project)
{
    Workbench &bench = services.bench;
    if (!project || !bench.isSourceModified() || bench.sourceText().isEmpty())
        return true;
    switch (services.asker.askSaveChanges()) {
    case Asker::SaveAnswer::Save:
        return services.document.save(project->paths.sourceFile()) == SaveOutcome::Saved;
    case Asker::SaveAnswer::Discard:
        return true;
    case Asker::SaveAnswer::Cancel:
        break;
    }
    return false;
}
