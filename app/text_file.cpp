#include "app/text_file.h"

#include "app/code_page.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

Result<> diskFailure(const QString &path, const QString &reason)
{
    return Result<>::failure(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

Result<> writeFileAtomically(const QString &path, const QByteArray &bytes, FileAccess access)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return diskFailure(path, file.errorString());
    if (access == FileAccess::OwnerOnly
        && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return diskFailure(path, reason);
    }
    // write() only fills Qt's buffer, and commit() renames the temporary file
    // even when the flush inside it failed (a full disk): flush here and
    // look, so the old file is kept whole.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return diskFailure(path, reason);
    }
    if (!file.commit())
        return diskFailure(path, file.errorString());
    return Result<>::success();
}

Result<> writeCodePageFile(const QString &path, const QString &text)
{
    const CodePageBytes encoded = encodeForCodePage(text);
    if (encoded.problem)
        return Result<>::failure(describeCodePageProblem(*encoded.problem));
    return writeFileAtomically(path, encoded.bytes);
}

Result<QByteArray> readWholeFile(const QString &path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFile::NoError)
        return Result<QByteArray>::failure(QDir::toNativeSeparators(path) + QStringLiteral(": 読みこめませんでした。")
                                           + file.errorString());
    return bytes;
}
