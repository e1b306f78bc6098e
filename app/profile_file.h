#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A settings file under the Windows profile rules: section and key names
// match without regard to case, the first of duplicated sections or keys
// wins, values are trimmed of blanks, lose one pair of enclosing quotes and
// are cut to 1023 bytes, a write replaces
// a value in place or appends the key to its section (or the section to the
// file), and every other line is kept byte for byte.
class ProfileDocument
{
public:
    static constexpr int kMaxValueBytes = 1023;

    static ProfileDocument fromBytes(const QByteArray &bytes);
    // A missing or unreadable file reads as an empty document, as the
    // Windows profile reads do.
    static ProfileDocument load(const QString &path);
    // A missing file is an empty document. One that is there but cannot be
    // read must not be rewritten: the failure names the file and says why.
    static Result<ProfileDocument> loadForUpdate(const QString &path);

    std::optional<QString> value(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // The number the value's leading decimal digits spell; the default for a
    // missing key and for an empty value.
    qint32 readInt(const QString &section, const QString &key, qint32 defaultValue) const;
    // False when the value cannot be written in the file's code page.
    bool setValue(const QString &section, const QString &key, const QString &value);
    // As a write of no value does: the key's line goes; no other line moves.
    void removeKey(const QString &section, const QString &key);
    // The section's keys as written, in file order, each once.
    QStringList keys(const QString &section) const;

    QByteArray toBytes() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray text;  // without its line end
        QByteArray end;   // "\r\n", "\n" or empty for an unterminated last line
        Kind kind = Kind::Other;
        QString name;     // section or key name, folded to lower case
    };

    void classify(Line &line) const;
    Line newLine(const QByteArray &text) const;
    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    int sectionEnd(int sectionLine) const;
    QString decode(const QByteArray &bytes) const;
    std::optional<QByteArray> encode(const QString &text) const;
    QByteArray cutValue(const QByteArray &value) const;

    QByteArray m_bom;  // a UTF-8 byte-order mark: the file is then read and written as UTF-8
    QList<Line> m_lines;
};

// How long a write waits for another copy's lock, and whether the last wait
// came to nothing.
struct ProfileLockWait {
    int milliseconds = 5000;
    bool waitedInVain = false;
};

// Read-modify-replace of the file under a lock, atomically. A new file is
// made owner-only (it holds the FTP password). On failure (the lock, the
// change's own, or the file's) the file is left as it was.
Result<> updateProfileFile(const QString &path, const std::function<Result<>(ProfileDocument &)> &change,
                         ProfileLockWait &wait);
