#include "app/profile_file.h"

#include "app/code_page.h"
#include "app/line_ends.h"
#include "app/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <limits>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray trimBlanks(const QByteArray &bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.mid(begin, end - begin);
}

QByteArray withoutLeadingBlanks(const QByteArray &bytes)
{
    qsizetype begin = 0;
    while (begin < bytes.size() && isBlank(bytes[begin]))
        ++begin;
    return bytes.mid(begin);
}

int utf8SequenceLength(unsigned char c)
{
    if (c >= 0xF0)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC0)
        return 2;
    return 1;
}

// Windows reads name="value" (or 'value') as value; quotes inside stay.
QByteArray withoutEnclosingQuotes(const QByteArray &value)
{
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
                        && value.back() == value.front();
    return quoted ? value.mid(1, value.size() - 2) : value;
}

// Line breaks inside a value would turn the rest of it into lines of their own.
QString withoutLineBreaks(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

ProfileDocument ProfileDocument::fromBytes(const QByteArray &bytes)
{
    ProfileDocument doc;
    QByteArray body = bytes;
    if (body.startsWith(kUtf8Bom)) {
        doc.m_bom = kUtf8Bom;
        body.remove(0, kUtf8Bom.size());
    }
    // A lone CR ends a line too, so a key appended after a last line ended
    // by one starts a line of its own.
    for (const ByteLine &byteLine : splitByteLines(body)) {
        Line line;
        line.text = byteLine.text;
        line.end = byteLine.end;
        doc.classify(line);
        doc.m_lines.append(line);
    }
    return doc;
}

ProfileDocument ProfileDocument::load(const QString &path)
{
    Result<ProfileDocument> doc = loadForUpdate(path);
    return doc ? std::move(*doc) : ProfileDocument();
}

Result<ProfileDocument> ProfileDocument::loadForUpdate(const QString &path)
{
    if (!QFile::exists(path))
        return ProfileDocument();
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return Result<ProfileDocument>::failure(bytes.error());
    return fromBytes(*bytes);
}

// As Windows reads a profile (tests/windows/tst_profile_oracle.cpp holds
// ours against it): a section's name runs to the last ']', and a '[' line
// without one is no section, so its keys stay with the section before. A
// line without '=' is a key without a value.
void ProfileDocument::classify(Line &line) const
{
    const QByteArray trimmed = trimBlanks(line.text);
    if (trimmed.startsWith('[')) {
        const qsizetype close = trimmed.lastIndexOf(']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = decode(trimBlanks(trimmed.mid(1, close - 1))).toCaseFolded();
        }
        return;
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals != 0 && !trimmed.isEmpty() && !trimmed.startsWith(';')) {
        line.kind = Kind::Key;
        line.name = decode(trimBlanks(equals < 0 ? trimmed : trimmed.left(equals))).toCaseFolded();
    }
}

ProfileDocument::Line ProfileDocument::newLine(const QByteArray &text) const
{
    Line line;
    line.text = text;
    line.end = "\r\n";
    classify(line);
    return line;
}

QString ProfileDocument::decode(const QByteArray &bytes) const
{
    return m_bom.isEmpty() ? fromCodePage(bytes) : QString::fromUtf8(bytes);
}

std::optional<QByteArray> ProfileDocument::encode(const QString &text) const
{
    if (!m_bom.isEmpty())
        return text.toUtf8();
    return toCodePage(text);
}

int ProfileDocument::findSection(const QString &section) const
{
    const QString wanted = section.trimmed().toCaseFolded();
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && m_lines[i].name == wanted)
            return i;
    }
    return -1;
}

int ProfileDocument::sectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section)
        ++i;
    return i;
}

int ProfileDocument::findKey(int sectionLine, const QString &key) const
{
    const QString wanted = key.trimmed().toCaseFolded();
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && m_lines[i].name == wanted)
            return i;
    }
    return -1;
}

// Cuts to the byte limit without splitting a double-byte character.
QByteArray ProfileDocument::cutValue(const QByteArray &value) const
{
    if (value.size() <= kMaxValueBytes)
        return value;
    qsizetype i = 0;
    while (i < value.size()) {
        const auto c = static_cast<unsigned char>(value[i]);
        const int width = !m_bom.isEmpty() ? utf8SequenceLength(c) : (isCodePageLeadByte(c) ? 2 : 1);
        if (i + width > kMaxValueBytes)
            break;
        i += width;
    }
    return value.left(i);
}

std::optional<QString> ProfileDocument::value(const QString &section, const QString &key) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return std::nullopt;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return std::nullopt;
    const QByteArray &text = m_lines[keyLine].text;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    // A zero byte ends the value, as it ends a string of the system's.
    QByteArray value = text.mid(equals + 1);
    value.truncate(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0'));
    return decode(cutValue(withoutEnclosingQuotes(trimBlanks(value))));
}

QString ProfileDocument::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

qint32 ProfileDocument::readInt(const QString &section, const QString &key, qint32 defaultValue) const
{
    const std::optional<QString> text = value(section, key);
    if (!text || text->isEmpty())
        return defaultValue;
    // The number its leading decimal digits spell; too large a number stops
    // at the largest 32-bit value instead of wrapping round to a negative one.
    qint64 number = 0;
    for (const QChar c : *text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        number = qMin<qint64>(number * 10 + (c.unicode() - '0'), std::numeric_limits<qint32>::max());
    }
    return static_cast<qint32>(number);
}

bool ProfileDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    const std::optional<QByteArray> sectionBytes = encode(section);
    const std::optional<QByteArray> keyBytes = encode(key);
    std::optional<QByteArray> valueBytes = encode(withoutLineBreaks(value));
    if (!sectionBytes || !keyBytes || !valueBytes)
        return false;
    // Without its leading blanks, which no read returns, as Windows writes it.
    *valueBytes = withoutLeadingBlanks(*valueBytes);

    const int sectionLine = findSection(section);
    if (sectionLine >= 0) {
        const int keyLine = findKey(sectionLine, key);
        if (keyLine >= 0) {
            Line &line = m_lines[keyLine];
            const qsizetype equals = line.text.indexOf('=');
            const QByteArray storedKey = trimBlanks(equals < 0 ? line.text : line.text.left(equals));
            line.text = storedKey + '=' + *valueBytes;
            return true;
        }
        // After the section's last non-empty line, so blank lines that
        // separate it from the next section stay where they are.
        int insertAt = sectionEnd(sectionLine);
        while (insertAt > sectionLine + 1 && trimBlanks(m_lines[insertAt - 1].text).isEmpty())
            --insertAt;
        if (m_lines[insertAt - 1].end.isEmpty())
            m_lines[insertAt - 1].end = "\r\n";
        m_lines.insert(insertAt, newLine(*keyBytes + '=' + *valueBytes));
        return true;
    }

    if (!m_lines.isEmpty() && m_lines.last().end.isEmpty())
        m_lines.last().end = "\r\n";
    m_lines.append(newLine('[' + *sectionBytes + ']'));
    m_lines.append(newLine(*keyBytes + '=' + *valueBytes));
    return true;
}

void ProfileDocument::removeKey(const QString &section, const QString &key)
{
    const int sectionLine = findSection(section);
    const int keyLine = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (keyLine >= 0)
        m_lines.removeAt(keyLine);
}

QStringList ProfileDocument::keys(const QString &section) const
{
    QStringList names;
    QStringList folded;
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return names;
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i) {
        const Line &line = m_lines[i];
        if (line.kind != Kind::Key || folded.contains(line.name))
            continue;
        const QByteArray trimmed = trimBlanks(line.text);
        const qsizetype equals = trimmed.indexOf('=');
        names << decode(trimBlanks(equals < 0 ? trimmed : trimmed.left(equals)));
        folded << line.name;
    }
    return names;
}

QByteArray ProfileDocument::toBytes() const
{
    QByteArray bytes = m_bom;
    for (const Line &line : m_lines)
        bytes += line.text + line.end;
    return bytes;
}

Result<> updateProfileFile(const QString &path, const std::function<Result<>(ProfileDocument &)> &change,
                         ProfileLockWait &wait)
{
    const QString nativePath = QDir::toNativeSeparators(path);
    // Two running copies each rewrite the whole file; the lock keeps one
    // from dropping the other's key.
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    // After one wait in vain, the next attempt only looks, so one action
    // never waits twice for a copy that keeps the file.
    const bool locked = lock.tryLock(wait.waitedInVain ? 0 : wait.milliseconds);
    wait.waitedInVain = !locked && lock.error() == QLockFile::LockFailedError;
    if (!locked) {
        if (lock.error() == QLockFile::LockFailedError)
            return Result<>::failure(nativePath + QStringLiteral(": ほかのQuenvelがこのファイルを使用中のため、書きこめませんでした。"));
        return Result<>::failure(nativePath
                               + QStringLiteral(".lock: ロックファイルを作れませんでした。ディスクがいっぱいか、アクセス権を確認してください。"));
    }

    const bool isNew = !QFileInfo::exists(path);
    Result<ProfileDocument> doc = ProfileDocument::loadForUpdate(path);
    if (!doc)
        return Result<>::failure(doc.error());
    if (const Result<> changed = change(*doc); !changed)
        return changed;
    return writeFileAtomically(path, doc->toBytes(), isNew ? FileAccess::OwnerOnly : FileAccess::AsUsual);
}
