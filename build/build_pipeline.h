#pragma once

#include "build/compiler_messages.h"
#include "build/handset_budget.h"

#include <QList>
#include <optional>

struct OpenedProject;
struct Services;

// What a build came to.
struct BuildOutcome {
    // Every stage worked: the exit code without a window.
    bool complete = false;
    // Whether the compile stage passed, which lets Run start; none when the
    // build ended before it (a folder not made, no runner).
    std::optional<bool> compiled;
    // What the archive and scratchpad take of the handset, as logged; none
    // without an archive.
    QList<BudgetLine> budget;
};

// The Build button: saves the source, runs the four tool stages, writes the
// descriptor and the page, reporting every step and the compiler's errors.
// Values typed into the old descriptor by hand become the project's settings.
BuildOutcome Compile_Click(Services &services, OpenedProject &project);
