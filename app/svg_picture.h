#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The SVG resource drawn at size (device-independent pixels) for the given
// pixel ratio, sharp at any DPI; transparent when it cannot be read.
QPixmap renderPicture(const QString &resource, QSize size, qreal devicePixelRatio);
