#pragma once

#include <QString>
#include <optional>

// The settings file is read in Windows-31J unless it begins with UTF-8's
// byte-order mark. One saved in UTF-8 without the mark (as editors commonly
// do) reads garbled wherever it is not ASCII: the line that says so, naming
// the file, or nothing when the file is not such a file.
std::optional<QString> utf8SettingsFileMessage(const QString &settingsFile);
