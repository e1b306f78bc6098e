#include "app/text_file.h"

#include "app/code_page.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

Result diskFailure(const QString &path, const QFileDevice &file)
{
    return Result::failure(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace

Result writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return diskFailure(path, file);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return diskFailure(path, file);
    return Result::success();
}

Result writeCodePageFile(const QString &path, const QString &text)
{
    const CodePageBytes encoded = encodeForCodePage(text);
    if (encoded.problem)
        return Result::failure(describeCodePageProblem(*encoded.problem));
    return writeFileAtomically(path, encoded.bytes);
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
