#pragma once

struct Services;

// The Upload button. True when the upload reached its success line.
bool Upload_Click(Services &services);
