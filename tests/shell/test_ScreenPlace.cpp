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

TEST(Title_Offsets, strip_height_and_left_offset_follow_the_caption_metrics)
{
    const struct {
        int caption, minWidth, minHeight, T, L;
    } cases[] = {
        {18, 112, 27, 24, 0},  // the classic metrics
        {25, 123, 30, 28, 0},  // 25.5 rounds to the even 26, plus 2 for a caption above 20
        {20, 112, 27, 24, 0},  // a caption of 20 is not above 20
        {21, 123, 27, 26, 0},
        {18, 113, 28, 24, 0},  // halves to the even neighbour: 0.5 -> 0, 24.5 -> 24
        {18, 117, 30, 26, 2},  // 2.5 -> 2, 25.5 -> 26
        {22, 126, 31, 28, 2},  // 1.5 -> 2
    };
    for (const auto& c : cases) {
        const TitleOffsets o = Title_Offsets(c.caption, c.minWidth, c.minHeight);
        EXPECT_EQ(o.T, c.T) << c.caption << " " << c.minWidth << " " << c.minHeight;
        EXPECT_EQ(o.L, c.L) << c.caption << " " << c.minWidth << " " << c.minHeight;
    }
}

TEST(Column_Without_Overlap, frames_move_off_the_main_window_and_the_window_above_only_where_they_cover)
{
    // The fresh file's column beside a main window whose outer area ends at 486: future,
    // statistics, player, records (client areas, pixels).
    const Area main{37, 27, 449, 590};
    const std::vector<Area> column = {{487, 27, 201, 70}, {487, 127, 201, 131}, {487, 347, 201, 47}, {487, 434, 201, 145}};
    const auto framed = [&](double left, double top, double right, double bottom) {
        std::vector<FramedArea> f;
        for (const Area& a : column)
            f.push_back({a, left, top, right, bottom});
        return f;
    };
    // A thin frame with a 20 pixel title covers nothing: every place stays.
    auto got = Column_Without_Overlap(main, framed(1, 20, 1, 1));
    ASSERT_EQ(got.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(got[i].x, column[i].x);
        EXPECT_EQ(got[i].y, column[i].y);
    }
    // A 37 pixel title: the statistics window's frame reached 15 pixels into the future window's;
    // it moves down to touch it, and the windows below, uncovered, stay.
    got = Column_Without_Overlap(main, framed(0, 37, 0, 0));
    EXPECT_EQ(got[1].y, 27 + 70 + 37);
    EXPECT_EQ(got[2].y, 347);
    EXPECT_EQ(got[3].y, 434);
    // A title of 31 reaches one pixel into the future window.
    EXPECT_EQ(Column_Without_Overlap(main, framed(0, 31, 0, 0))[1].y, 128);
    // Side borders of 4 reach into the main window: the whole column moves right of it.
    got = Column_Without_Overlap(main, framed(4, 20, 4, 4));
    for (const Area& a : got)
        EXPECT_EQ(a.x, 486 + 4);
    EXPECT_EQ(got[1].y, 127);   // 27 + 70 + 4 + 20 = 121 <= 127
    EXPECT_EQ(got[3].y, 434);
    // A column beside but below the main window's bottom is not moved sideways.
    EXPECT_EQ(Column_Without_Overlap(main, {{{480, 700, 201, 70}, 8, 8, 8, 8}})[0].x, 480);
    EXPECT_TRUE(Column_Without_Overlap(main, {}).empty());
}

TEST(Platform_Minimises, not_on_native_wayland)
{
    EXPECT_TRUE(Platform_Minimises("xcb"));
    EXPECT_TRUE(Platform_Minimises("offscreen"));
    EXPECT_FALSE(Platform_Minimises("wayland"));
    EXPECT_FALSE(Platform_Minimises("wayland-egl"));
}
