#pragma once
#include <string>
#include <vector>

// Where the program's windows may stand on the player's screens, and which Qt
// platform to ask for: rules of the start-up module that need no window.
namespace qv {

// A rectangle in device-independent pixels; any value, also far beyond every screen.
struct Area {
    double x = 0, y = 0, w = 0, h = 0;
};

// The client place of a window of window.w x window.h at (window.x, window.y), given the
// screens' available areas. A window of which a part that can be grabbed (48 x 24 pixels, or the
// whole window when smaller) lies on some screen keeps its place exactly. Any other (also a place
// that is not a number, read as 0) moves to the nearest place wholly on the screen nearest to it, or to the
// top left of a screen too small for it. Without screens the place is kept, a place that is not a
// number read as 0 and one beyond a billion pixels brought to that bound.
Area Reachable_Place(Area window, const std::vector<Area>& screens);

// The value for QT_QPA_PLATFORM, or "" to leave it as it is. A platform the user chose is kept;
// where an X display is named, its X11 platform comes first (the windows place themselves and the
// main window is shaped, which a Wayland client cannot do), with the native platform after it
// should the X display not answer.
std::string Choose_Qt_Platform(const std::string& userChoice, const std::string& display);

} // namespace qv
