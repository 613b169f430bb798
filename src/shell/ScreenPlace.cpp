#include "shell/ScreenPlace.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "game/Numbers.h"

namespace qv {

namespace {

constexpr double GRAB_WIDTH = 48;
constexpr double GRAB_HEIGHT = 24;

double Overlap(double a, double aLength, double b, double bLength)
{
    return std::min(a + aLength, b + bLength) - std::max(a, b);
}

bool Shows_On(const Area& window, const Area& screen)
{
    return Overlap(window.x, window.w, screen.x, screen.w) >= std::min(GRAB_WIDTH, window.w) &&
           Overlap(window.y, window.h, screen.y, screen.h) >= std::min(GRAB_HEIGHT, window.h);
}

// Distance from a point to the nearest point of a rectangle; 0 inside.
double Distance(double x, double y, const Area& a)
{
    const double dx = std::max({a.x - x, 0.0, x - (a.x + a.w)});
    const double dy = std::max({a.y - y, 0.0, y - (a.y + a.h)});
    return std::hypot(dx, dy);
}

double Clamp_Into(double v, double length, double start, double room)
{
    return length >= room ? start : std::clamp(v, start, start + room - length);
}

} // namespace

Area Reachable_Place(Area window, const std::vector<Area>& screens)
{
    const bool number = std::isfinite(window.x) && std::isfinite(window.y);
    if (number && std::any_of(screens.begin(), screens.end(), [&](const Area& s) { return Shows_On(window, s); }))
        return window;
    // Far places are brought within a billion pixels, so that distances still tell screens apart.
    const auto sane = [](double v) { return std::isnan(v) ? 0.0 : std::clamp(v, -1e9, 1e9); };
    window.x = sane(window.x);
    window.y = sane(window.y);
    if (screens.empty())
        return window;
    const Area* nearest = &screens.front();
    double best = std::numeric_limits<double>::infinity();
    for (const Area& s : screens) {
        const double d = Distance(window.x + window.w / 2, window.y + window.h / 2, s);
        if (d < best) {
            best = d;
            nearest = &s;
        }
    }
    window.x = Clamp_Into(window.x, window.w, nearest->x, nearest->w);
    window.y = Clamp_Into(window.y, window.h, nearest->y, nearest->h);
    return window;
}

std::string Choose_Qt_Platform(const std::string& userChoice, const std::string& display)
{
    if (!userChoice.empty() || display.empty())
        return {};
    return "xcb;wayland";
}

std::vector<Area> Column_Without_Overlap(Area mainOuter, const std::vector<FramedArea>& column)
{
    std::vector<Area> places;
    double above = -std::numeric_limits<double>::infinity();
    for (const FramedArea& f : column) {
        Area c = f.client;
        const Area frame{c.x - f.left, c.y - f.top, c.w + f.left + f.right, c.h + f.top + f.bottom};
        if (Overlap(frame.x, frame.w, mainOuter.x, mainOuter.w) > 0 &&
            Overlap(frame.y, frame.h, mainOuter.y, mainOuter.h) > 0)
            c.x = mainOuter.x + mainOuter.w + f.left;
        if (frame.y < above)
            c.y = above + f.top;
        above = c.y + c.h + f.bottom;
        places.push_back(c);
    }
    return places;
}

TitleOffsets Title_Offsets(int captionHeight, int minWidth, int minHeight)
{
    TitleOffsets o;
    o.T = Nearest((minHeight - 27) / 2.0 + 24);
    o.L = Nearest((minWidth - (captionHeight <= 20 ? 112 : 123)) / 2.0);
    if (captionHeight > 20)
        o.T += 2;
    return o;
}

bool Platform_Minimises(const std::string& platformName) { return platformName.rfind("wayland", 0) != 0; }

} // namespace qv
