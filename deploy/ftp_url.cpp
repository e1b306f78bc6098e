#include "deploy/ftp_url.h"

#include "app/code_page.h"

#include <QStringList>

QString ftpServerAddress(const QString &hostAndPort)
{
    const QString trimmed = hostAndPort.trimmed();
    const bool hasPort = trimmed.contains(QLatin1Char(':'));
    return QStringLiteral("ftp://") + trimmed + (hasPort ? QString() : QStringLiteral(":21"));
}

std::optional<QByteArray> ftpFilePath(const QString &remoteFolder, const QString &fileName)
{
    // In an ftp:// address the first "/" only ends the host; an absolute
    // folder needs its root spelled as %2F.
    QByteArray path = remoteFolder.startsWith(QLatin1Char('/')) ? QByteArray("%2F") : QByteArray();
    QStringList segments = remoteFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    segments.append(fileName);
    for (const QString &segment : std::as_const(segments)) {
        const std::optional<QByteArray> bytes = toCodePage(segment);
        if (!bytes)
            return std::nullopt;
        path += bytes->toPercentEncoding() + '/';
    }
    path.chop(1);
    return path;
}
