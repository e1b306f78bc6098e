#include "ui/sys_info.h"

#include "app/message_box.h"

#include <QFileInfo>
#include <QProcess>

namespace {

const QString sysInfoUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

QString dwordText(const QByteArray &bytes)
{
    QString text = QStringLiteral("&h");
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        text += QString::number(static_cast<uchar>(bytes.at(i)), 16).toUpper();
    return text;
}

// The buffer starts as NUL characters, so a shorter value is followed by NULs;
// only a value that fills it completely has none.
std::optional<QString> textBeforeFirstNul(const QByteArray &utf16Bytes)
{
    const qsizetype chars = utf16Bytes.size() / 2;
    QString text(chars, Qt::Uninitialized);
    for (qsizetype i = 0; i < chars; ++i) {
        const auto low = static_cast<uchar>(utf16Bytes.at(2 * i));
        const auto high = static_cast<uchar>(utf16Bytes.at(2 * i + 1));
        text[i] = QChar(static_cast<char16_t>(low | (high << 8)));
    }
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        return text.left(nul);
    if (chars < keyValueBufferChars)
        return text;
    return std::nullopt;
}

} // namespace

bool DesktopSysInfoHost::fileExists(const QString &path) const
{
    return QFileInfo(path).isFile();
}

bool DesktopSysInfoHost::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {});
}

void DesktopSysInfoHost::showMessage(const QString &text)
{
    showQuenvelMessage(text, m_parent);
}

KeyValueRead readKeyValue(const Registry &registry, RegistryRoot KeyRoot, const QString &KeyName,
                          const QString &SubKeyRef, QString &KeyVal)
{
    const auto value = registry.read(KeyRoot, KeyName, SubKeyRef,
                                     keyValueBufferChars * qsizetype(sizeof(char16_t)));
    if (!value) {
        KeyVal.clear();
        return KeyValueRead::NotRead;
    }
    switch (value->type) {
    case RegistryType::String: {
        const auto text = textBeforeFirstNul(value->data);
        if (!text)
            return KeyValueRead::Broken;
        KeyVal = *text;
        break;
    }
    case RegistryType::Dword:
        KeyVal = dwordText(value->data);
        break;
    default:
        break;
    }
    return KeyValueRead::Read;
}

bool GetKeyValue(const Registry &registry, RegistryRoot KeyRoot, const QString &KeyName,
                 const QString &SubKeyRef, QString &KeyVal)
{
    return readKeyValue(registry, KeyRoot, KeyName, SubKeyRef, KeyVal) == KeyValueRead::Read;
}

void StartSysInfo(const Registry &registry, SysInfoHost &host)
{
    QString path;
    auto found = readKeyValue(registry, RegistryRoot::LocalMachine,
                              QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                              QStringLiteral("PATH"), path);
    if (found == KeyValueRead::NotRead) {
        found = readKeyValue(registry, RegistryRoot::LocalMachine,
                             QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                             QStringLiteral("MSINFO"), path);
        if (found == KeyValueRead::Read) {
            path += QStringLiteral("\\MSINFO32.EXE");
            if (!host.fileExists(path))
                found = KeyValueRead::NotRead;
        }
    }
    if (found == KeyValueRead::Read && !path.isEmpty() && host.startProgram(path))
        return;
    host.showMessage(sysInfoUnavailable);
}
