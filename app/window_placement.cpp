#include "app/window_placement.h"

#include <QSettings>
#include <algorithm>

namespace {

QString settingsKey(const QString &key)
{
    return QStringLiteral("Settings/") + key;
}

QSettings placementSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("Quenvel"), QStringLiteral("Quenvel"));
}

} // namespace

std::optional<QString> SystemPlacementStore::value(const QString &key) const
{
    const QVariant stored = placementSettings().value(settingsKey(key));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}

void SystemPlacementStore::setValue(const QString &key, const QString &value)
{
    placementSettings().setValue(settingsKey(key), value);
}

float readPlacementValue(const PlacementStore &store, const QString &key)
{
    const std::optional<QString> text = store.value(key);
    if (!text)
        return kDefaultPlacement;
    bool ok = false;
    const float number = text->trimmed().toFloat(&ok);
    return ok ? number : kDefaultPlacement;
}

void writePlacement(PlacementStore &store, const WindowPlacement &p)
{
    store.setValue(QStringLiteral("MainLeft"), QString::number(p.left));
    store.setValue(QStringLiteral("MainTop"), QString::number(p.top));
    store.setValue(QStringLiteral("MainWidth"), QString::number(p.width));
    store.setValue(QStringLiteral("MainHeight"), QString::number(p.height));
}

PaneLayout layoutForWindow(double width, double height)
{
    const double w = std::max(width, kMinWindowWidth);
    const double h = std::max(height, kMinWindowHeight);
    PaneLayout layout;
    layout.windowWidth = static_cast<float>(w);
    layout.windowHeight = static_cast<float>(h);
    layout.sourceWidth = static_cast<float>(w - 100);
    layout.sourceHeight = static_cast<float>(h * 0.7 - 600);
    layout.logWidth = static_cast<float>(w - 100);
    layout.logHeight = static_cast<float>(h * 0.3 - 600 - 100);
    layout.logTop = static_cast<float>(layout.sourceHeight + 600);
    return layout;
}

bool liesOnAScreen(const QPoint &topLeft, const QSize &size, const QList<QRect> &screens)
{
    // A title bar is some twenty pixels high; a few pixels of it are no grip.
    constexpr int kTitleHeight = 20;
    constexpr int kGrip = 16;
    const QRect title(topLeft, QSize(size.width(), kTitleHeight));
    for (const QRect &screen : screens) {
        const QRect shared = screen.intersected(title);
        if (shared.width() >= kGrip && shared.height() >= kGrip / 2)
            return true;
    }
    return false;
}

OnScreenPlacementStore::OnScreenPlacementStore(PlacementStore &stored, const QList<QRect> &screens,
                                               const QSize &windowSize)
    : m_stored(stored)
    , m_screens(screens)
    , m_windowSize(windowSize)
{
}

std::optional<QString> OnScreenPlacementStore::value(const QString &key) const
{
    const bool left = key == QLatin1String("MainLeft");
    if ((!left && key != QLatin1String("MainTop")) || m_screens.isEmpty())
        return m_stored.value(key);
    const QPoint stored(toPixels(readPlacementValue(m_stored, QStringLiteral("MainLeft"))),
                        toPixels(readPlacementValue(m_stored, QStringLiteral("MainTop"))));
    if (liesOnAScreen(stored, m_windowSize, m_screens))
        return m_stored.value(key);
    const QPoint moved = m_screens.first().topLeft() + QPoint(toPixels(kDefaultPlacement), toPixels(kDefaultPlacement));
    return QString::number((left ? moved.x() : moved.y()) * kTwipsPerPixel);
}
