#pragma once

#include "app/project_paths.h"

#include <QString>
#include <QtGlobal>

// The project the user opened: what Build, Run and Upload work on until
// another one is opened, whatever the settings file names meanwhile.
struct OpenedProject {
    QString name;
    ProjectPaths paths;
    qint32 major = 1;
    qint32 minor = 0;
};
