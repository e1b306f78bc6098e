#pragma once

struct OpenedProject;
struct Services;

// The Run button: starts the emulator on the project's descriptor and logs
// what it printed. True when the emulator ran and ended well.
bool Run_Click(Services &services, const OpenedProject &project);
