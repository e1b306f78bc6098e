#pragma once

struct Services;

// The Build button. True when the build reached its success line.
bool Compile_Click(Services &services);
