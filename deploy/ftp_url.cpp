#include "deploy/ftp_url.h"

#include <QStringList>
#include <QUrl>

namespace {

QString escaped(const QString &segment)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(segment));
}

} // namespace

QString ftpServerAddress(const QString &hostAndPort)
{
    const QString trimmed = hostAndPort.trimmed();
    const bool hasPort = trimmed.contains(QLatin1Char(':'));
    return QStringLiteral("ftp://") + trimmed + (hasPort ? QString() : QStringLiteral(":21"));
}

QString ftpFilePath(const QString &remoteFolder, const QString &fileName)
{
    // In an ftp:// address the first "/" only ends the host; an absolute
    // folder needs its root spelled as %2F.
    QString path = remoteFolder.startsWith(QLatin1Char('/')) ? QStringLiteral("%2F") : QString();
    const QStringList segments = remoteFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &segment : segments)
        path += escaped(segment) + QLatin1Char('/');
    return path + escaped(fileName);
}
