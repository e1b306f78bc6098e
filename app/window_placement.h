#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <optional>

// The per-user store of the main window's placement: text values under
// application Quenvel, section Settings.
class PlacementStore
{
public:
    virtual ~PlacementStore() = default;
    virtual std::optional<QString> value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QString &value) = 0;
};

// The platform's own store (QSettings, organisation and application Quenvel).
class SystemPlacementStore : public PlacementStore
{
public:
    std::optional<QString> value(const QString &key) const override;
    void setValue(const QString &key, const QString &value) override;
};

// The stored left and top edge as the store under it holds them, unless the
// window placed there would lie on no screen (one since removed): then the
// default offset from the primary screen's corner. Screens are the
// available areas in logical pixels, the primary one first.
class OnScreenPlacementStore : public PlacementStore
{
public:
    OnScreenPlacementStore(PlacementStore &stored, const QList<QRect> &screens, const QSize &windowSize);
    std::optional<QString> value(const QString &key) const override;
    void setValue(const QString &key, const QString &value) override { m_stored.setValue(key, value); }

private:
    PlacementStore &m_stored;
    QList<QRect> m_screens;
    QSize m_windowSize;
};

// Whether a window at topLeft (logical pixels) of that size shows on one of
// the screens: its title bar, the part a user drags, must meet one.
bool liesOnAScreen(const QPoint &topLeft, const QSize &size, const QList<QRect> &screens);

// Geometry in twips (1/1440 inch; 15 twips are one logical pixel).
constexpr int kTwipsPerPixel = 15;
constexpr double kMinWindowWidth = 6585;
constexpr double kMinWindowHeight = 8490;
constexpr double kDefaultPlacement = 1000;

inline int toPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

struct WindowPlacement {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The stored left and top edge, 1000 when missing or not a number.
float readPlacementValue(const PlacementStore &store, const QString &key);
// Writes MainLeft, MainTop, MainWidth, MainHeight in that order, each as the
// text of a single-precision number (a whole number without a decimal point).
void writePlacement(PlacementStore &store, const WindowPlacement &placement);

// The sizes the layout rule gives the window and its two panes, in twips.
struct PaneLayout {
    float windowWidth = 0;
    float windowHeight = 0;
    float sourceWidth = 0;
    float sourceHeight = 0;
    float logWidth = 0;
    float logHeight = 0;
    float logTop = 0;
};

PaneLayout layoutForWindow(double width, double height);
