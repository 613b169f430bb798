#include "game/Numbers.h"

#include <cmath>

namespace qv {

int32_t Nearest(double v) { return int32_t(std::nearbyint(v)); }
int32_t Trunc(double v) { return int32_t(std::trunc(v)); }
int32_t Floor(double v) { return int32_t(std::floor(v)); }
int16_t Int16(int32_t v) { return int16_t(uint16_t(uint32_t(v) & 0xFFFFu)); }

Color RgbNearest(double r, double g, double b)
{
    auto clamp = [](int32_t v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return Rgb(clamp(Nearest(r)), clamp(Nearest(g)), clamp(Nearest(b)));
}

Color Palette(int n)
{
    static const Color table[16] = {
        Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(0, 128, 0),   Rgb(0, 128, 128),
        Rgb(128, 0, 0),     Rgb(128, 0, 128),   Rgb(128, 128, 0), Rgb(192, 192, 192),
        Rgb(128, 128, 128), Rgb(0, 0, 255),     Rgb(0, 255, 0),   Rgb(0, 255, 255),
        Rgb(255, 0, 0),     Rgb(255, 0, 255),   Rgb(255, 255, 0), Rgb(255, 255, 255),
    };
    return table[((n % 16) + 16) % 16];
}

} // namespace qv
