#include "build/emulator_launch.h"

#include "app/services.h"

// Stub: filled in with the emulator launch.
bool Run_Click(Services &) { return false; }
