#pragma once

#include <QString>

struct AppSettings;
struct Services;

// The download page's address as the phone opens it.
QString phoneAddress(const AppSettings &settings);

// The Upload button: raises the project's minor version, rewrites descriptor
// and page, and sends archive, descriptor and page to the FTP server, telling
// the log every step. True when the upload reached its success line. A click
// while CanUpload is false does nothing.
bool Upload_Click(Services &services);
