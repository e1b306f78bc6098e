#pragma once

#include "app/project_settings.h"

class ProfileDocument;

// The key of the project's section that names the descriptor as it stood
// when the user last changed the settings in the program: a descriptor that
// still is that one holds no edits by hand.
extern const QString kJamCheckedKey;

// The project's settings as its section of the settings file holds them;
// the section's descriptor keys without a field of their own are the extra
// lines, in the order of the file. Other keys are not the descriptor's.
ProjectSettings readProjectSettings(const ProfileDocument &doc, const QString &project);
// Writes only what differs between held and changed: a value is set, an
// extra line the user took away loses its key. False, with nothing
// changed, when a value cannot be written in the file's code page.
bool writeProjectSettings(ProfileDocument &doc, const QString &project, const ProjectSettings &held,
                          const ProjectSettings &changed);
