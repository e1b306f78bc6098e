#include "app/text_file.h"

#include "app/code_page.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

QString writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

QString writeCodePageFile(const QString &path, const QString &text)
{
    const std::optional<QByteArray> bytes = toCodePage(text);
    if (!bytes)
        return QStringLiteral("%1: text outside Windows-31J").arg(QDir::toNativeSeparators(path));
    return writeFileAtomically(path, *bytes);
}

std::optional<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}
