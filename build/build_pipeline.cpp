#include "build/build_pipeline.h"

#include "app/services.h"

// Stub: filled in with the build.
bool Compile_Click(Services &) { return false; }
