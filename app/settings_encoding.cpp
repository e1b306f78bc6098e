#include "app/settings_encoding.h"

#include "app/code_page.h"

#include <QDir>
#include <QFile>

namespace {

// A settings file is a few kilobytes; a larger one is not looked into.
constexpr qint64 kMostLooked = 1 << 20;

} // namespace

std::optional<QString> utf8SettingsFileMessage(const QString &settingsFile)
{
    QFile file(settingsFile);
    if (file.size() > kMostLooked || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF") || !isUtf8Only(bytes))
        return std::nullopt;
    return QDir::toNativeSeparators(settingsFile)
           + QStringLiteral(" はUTF-8で保存されているため、日本語の部分(フォルダ名など)を正しく読めません。"
                            "Shift_JIS(Windows-31J)で保存しなおしてください。");
}
