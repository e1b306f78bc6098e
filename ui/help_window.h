#pragma once

class QWidget;

// Help > Contents: the help page in a window of its own, or the message that
// there is none.
void mnuHelpContents_Click(QWidget *mainWindow);
