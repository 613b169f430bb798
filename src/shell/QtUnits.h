#pragma once
#include <QColor>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "game/Numbers.h"

// Window units: places and sizes are designed in twips (15 to a pixel) and
// colours kept as 0xRRGGBB; every window converts through these.
namespace qv {

constexpr double TWIPS_PER_PIXEL = 15.0;

// Pixels for a length in twips, rounded half to even. A length beyond a billion pixels (a damaged
// settings file) gives that bound, and one that is not a number gives 0.
inline int Px(double twips)
{
    return std::isnan(twips) ? 0 : Nearest(std::clamp(twips / TWIPS_PER_PIXEL, -1e9, 1e9));
}

// A rectangle given in twips, in pixels.
inline QRect Twips_Rect(double left, double top, double width, double height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QColor To_QColor(Color c) { return QColor(Red(c), Green(c), Blue(c)); }
inline Color From_QColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

} // namespace qv
