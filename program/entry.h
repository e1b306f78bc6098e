#pragma once

#include "app/captions.h"

class QApplication;

// Loads Qt's own Japanese texts (standard buttons, the text boxes' context
// menus) when the interface speaks Japanese. False when none was loaded.
bool installQtTranslation(QApplication &app, UiLanguage language);

// The program's start: settings, splash, main window. Returns the exit code.
int runDesktop(QApplication &app);
