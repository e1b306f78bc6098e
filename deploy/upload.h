#pragma once

struct OpenedProject;
struct Services;

// The Upload button: raises the project's minor version (the project then
// holds the new one), rewrites descriptor and page, and sends archive,
// descriptor and page to the FTP server, telling the log every step. True
// when the upload reached its success line.
bool Upload_Click(Services &services, OpenedProject &project);
