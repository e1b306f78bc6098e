#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The language the windows take their captions in.
enum class UiLanguage { Japanese, English };

// English when the system's first user-interface language is English;
// Japanese for every other, the C/POSIX locale included.
UiLanguage uiLanguageFor(const QLocale &locale);

// The caption table: a complete Japanese table and an English one that
// covers only the blocks of 16 ids from 992 to 1055, and within them only
// some ids. An id in an English block without English text has no text at
// all there: the window then keeps its design caption.
std::optional<QString> captionText(int id, UiLanguage language);
