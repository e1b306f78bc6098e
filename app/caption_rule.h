#pragma once

#include "app/captions.h"

class QWidget;

// Puts the captions of a window in place from the caption table. The window's
// own title and its labels and buttons name their id in the property "tag";
// menu items carry the id as their design caption. Whatever names no id, or
// an id without text, keeps its design caption.
void SetCaptionsFromResources(QWidget *window, UiLanguage language);

// The number a text begins with, 0 when it begins with none.
int leadingNumber(const QString &text);
