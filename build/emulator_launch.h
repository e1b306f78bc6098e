#pragma once

struct OpenedProject;
struct Services;

// The Run button: starts the emulator on the project's descriptor and logs
// what it printed. Its ActionEnded event tells whether the emulator ran and
// ended well.
void Run_Click(Services &services, const OpenedProject &project);
