#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "shell/ScreenPlace.h"

using namespace qv;

namespace {

// Two screens side by side, the right one lower and smaller: 1920 x 1050 and 1280 x 1000 at (1920, 80).
const std::vector<Area> SCREENS = {{0, 0, 1920, 1050}, {1920, 80, 1280, 1000}};
constexpr double W = 200, H = 150;

} // namespace

TEST(Reachable_Place, keeps_reachable_places_exactly_and_brings_lost_windows_to_the_nearest_screen)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x, y;       // the stored place, pixels
        double ex, ey;     // where the window must stand
        std::vector<Area> screens = SCREENS;
    } cases[] = {
        {487.3333, 27, 487.3333, 27},           // an ordinary place, fraction and all
        {-152, -126, -152, -126},               // 48 x 24 of it still on screen
        {1710, 1000, 1710, 1000},               // the bottom right corner still grabbable
        {-153, 100, 0, 100},                    // one pixel too far left
        {100, -127, 100, 0},                    // 23 pixels of its height on screen: too few
        {100, 1026, 100, 1026},                 // 24 pixels at the bottom: still grabbable
        {100, 1027, 100, 900},
        {-100000.0 / 15, 27, 0, 27},            // far to the left
        {99999999999.0 / 15, 300, 3000, 300},   // far to the right: the right screen's right edge
        {2500, -500, 2500, 80},                 // above the right screen
        {3.4e38 / 15, 3.4e38 / 15, 3000, 930},  // the largest single-precision place
        {-3.4e38 / 15, -3.4e38 / 15, 0, 0},
        {inf, 50, 3000, 80},                    // beyond every number: as far right as can be
        {std::nan(""), 50, 0, 50},                // not a number: the left edge
        {1900, 1060, 1920, 930},                // in the corner between the screens, nearest to the right one
        {487.3333, -900, 487.3333, -900, {}},   // no screen reported: nowhere better to go
        {std::nan(""), 50, 0, 50, {}},
    };
    for (const auto& c : cases) {
        const Area got = Reachable_Place({c.x, c.y, W, H}, c.screens);
        EXPECT_EQ(got.x, c.ex) << "place " << c.x << ", " << c.y;
        EXPECT_EQ(got.y, c.ey) << "place " << c.x << ", " << c.y;
        EXPECT_EQ(got.w, W);
    }
    // A window larger than every screen goes to the nearest screen's top left.
    const Area huge = Reachable_Place({-9000, -9000, 4000, 3000}, SCREENS);
    EXPECT_EQ(huge.x, 0);
    EXPECT_EQ(huge.y, 0);
}

TEST(Choose_Qt_Platform, prefers_the_x_display_only_where_the_user_chose_no_platform)
{
    EXPECT_EQ(Choose_Qt_Platform("", ":1"), "xcb;wayland");
    EXPECT_EQ(Choose_Qt_Platform("wayland", ":1"), "");
    EXPECT_EQ(Choose_Qt_Platform("offscreen", ""), "");
    EXPECT_EQ(Choose_Qt_Platform("", ""), "");
}
