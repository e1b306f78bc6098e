#pragma once

struct Services;

// The Upload button: raises the project's minor version, rewrites descriptor
// and page, and sends archive, descriptor and page to the FTP server, telling
// the log every step. True when the upload reached its success line. A click
// while CanUpload is false does nothing.
bool Upload_Click(Services &services);
