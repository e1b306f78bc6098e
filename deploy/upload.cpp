#include "deploy/upload.h"

#include "app/services.h"

// Stub: filled in with the upload.
bool Upload_Click(Services &) { return false; }
