#pragma once

#include <QString>

struct OpenedProject;
struct Services;

// The download page's address as the phone opens it.
QString phoneAddress(const QString &webUrl, const QString &projectName);

// The Upload button: raises the project's minor version (the project then
// holds the new one), rewrites descriptor and page, and sends archive,
// descriptor and page to the FTP server, telling the log every step. Its
// ActionEnded event tells whether the upload reached its success line.
void Upload_Click(Services &services, OpenedProject &project);
