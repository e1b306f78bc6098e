#pragma once

#include "build/compiler_messages.h"
#include "build/handset_budget.h"

#include <QList>

struct OpenedProject;
struct Services;

// How far the compile stage came: passed lets Run start; not reached when the
// build ended before it (a folder not made, no runner).
enum class CompileStage { NotReached, Failed, Passed };

// What a build came to, besides whether every stage worked, which its
// ActionEnded event tells (the exit code without a window).
struct BuildOutcome {
    CompileStage compile = CompileStage::NotReached;
    // What the archive and scratchpad take of the handset, as logged; none
    // without an archive.
    QList<BudgetLine> budget;
};

// The Build button: saves the source, runs the four tool stages, writes the
// descriptor and the page, reporting every step and the compiler's errors.
// Values typed into the old descriptor by hand become the project's settings.
BuildOutcome Compile_Click(Services &services, OpenedProject &project);
