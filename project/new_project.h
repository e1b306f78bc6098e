#pragma once

#include <QString>

struct AppSettings;
struct PathStyle;

// What creating a project came to: the new project's name (empty when none
// was made) and the message to show the user.
struct NewProjectOutcome {
    QString name;
    QString message;
};

// Makes DOJA_PATH/apps/<name> with bin, src and res and the template source.
NewProjectOutcome CreateNewProject(const AppSettings &settings, const PathStyle &style, const QString &name);

// The five lines of a new project's source, each ended by CR LF.
QString templateSourceText(const QString &name);
