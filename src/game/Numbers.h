#pragma once
#include <cstdint>

// Number conventions of the game: the three real-to-whole conversions, 16-bit
// wrap-around and the 16-colour palette. Used by every rule that rounds or colours.
namespace qv {

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int32_t Nearest(double v);
// Truncation toward zero.
int32_t Trunc(double v);
// Rounding down.
int32_t Floor(double v);
// Value reduced to a signed 16-bit integer (two's complement wrap).
int16_t Int16(int32_t v);

// A colour as 0xRRGGBB.
using Color = uint32_t;
constexpr Color Rgb(int r, int g, int b)
{
    return (Color(r & 0xFF) << 16) | (Color(g & 0xFF) << 8) | Color(b & 0xFF);
}
constexpr int Red(Color c) { return int((c >> 16) & 0xFF); }
constexpr int Green(Color c) { return int((c >> 8) & 0xFF); }
constexpr int Blue(Color c) { return int(c & 0xFF); }
// A colour from three real components, each rounded half to even and held to 0..255.
Color RgbNearest(double r, double g, double b);
// Entry n (0..15) of the fixed palette; other n wrap modulo 16.
Color Palette(int n);

} // namespace qv
