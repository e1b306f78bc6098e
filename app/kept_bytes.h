#pragma once

#include "app/code_page.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes for a text that replaces a file's old bytes, changing no more of
// them than the text did. Unchanged text gives the old bytes exactly. After
// an edit, lines before and after the edited stretch keep their bytes and
// line ends, an edited line that matches an old line takes its bytes (some
// characters have two codes in the code page), and new lines take the line
// end most of the file's lines have. A file without a final line end keeps
// it that way. Without old bytes every line ends with CR LF.
// The text's lines may end in CR LF, a lone CR or a lone LF.
CodePageBytes encodeOverOldBytes(const QString &text, const std::optional<QByteArray> &oldBytes);
