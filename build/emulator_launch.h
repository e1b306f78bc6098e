#pragma once

struct Services;

// The Run button. True when the emulator was started.
bool Run_Click(Services &services);
