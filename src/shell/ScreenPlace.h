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

// A window's client area and the frame the window system draws around it (pixels).
struct FramedArea {
    Area client;
    double left = 0, top = 0, right = 0, bottom = 0;
};

// New client areas for the side windows of a fresh start, given top to bottom, so that no frame
// covers the main window's outer area or the frame of the window above it: a window reaching into
// the main window moves right, one reaching into the window above moves down. A window whose frame
// covers neither keeps its place; sizes never change.
std::vector<Area> Column_Without_Overlap(Area mainOuter, const std::vector<FramedArea>& column);

// The shape's offsets of the window's own title strip, from the caption height and the smallest
// window width and height (pixels): T is the strip's height and the client's top, L its left.
struct TitleOffsets {
    int T = 0, L = 0;
};
TitleOffsets Title_Offsets(int captionHeight, int minWidth, int minHeight);

// Whether minimising (Escape's pause) can be undone by the player on this Qt platform: not on a
// native Wayland one, where only the compositor's window switcher would bring the windows back.
bool Platform_Minimises(const std::string& platformName);

// The value for QT_QPA_PLATFORM, or "" to leave it as it is. A platform the user chose is kept;
// where an X display is named, its X11 platform comes first (the windows place themselves and the
// main window is shaped, which a Wayland client cannot do), with the native platform after it
// should the X display not answer.
std::string Choose_Qt_Platform(const std::string& userChoice, const std::string& display);

} // namespace qv
