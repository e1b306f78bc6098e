#pragma once

class QApplication;

// The program's start: settings, splash, main window. Returns the exit code.
int runDesktop(QApplication &app);
