#pragma once

#include "app/project_paths.h"
#include "app/project_settings.h"

#include <QString>
#include <QtGlobal>

// The project the user opened: what Build, Run and Upload work on until
// another one is opened, whatever the settings file names meanwhile.
struct OpenedProject {
    QString name;
    ProjectPaths paths;
    qint32 major = 1;
    qint32 minor = 0;
    ProjectSettings settings;
    // The settings file's jamChecked value: the descriptor's digest when the
    // settings were last changed in the program.
    QString jamChecked;
};
