#include <gtest/gtest.h>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::string BAR = Classic_Pattern(2);    // box column 1, rows 0..3
const std::string SQUARE = Classic_Pattern(6); // (1,1) (2,1) (1,2) (2,2)
const std::string LYING_BAR = "0100010001000100";
const Color GREEN = Rgb(0, 255, 0);
const Color YELLOW = Rgb(255, 255, 0);

Color Back(const GameHarness& h, Button b) { return h.game.ButtonBackColor[size_t(b)]; }

struct InputTest : ::testing::Test {
    GameHarness h;
    void SetUp() override
    {
        h.game.lBtnColor = Palette(5);
        h.game.ButtonBackColor.fill(Palette(5));
        h.Falling(SQUARE, 9, 5);
    }
};

} // namespace

TEST_F(InputTest, cmdLeftRight_moves_counts_and_sounds_only_when_the_move_fits)
{
    h.game.cmdLeftRight_MouseDown(2);
    EXPECT_EQ(h.game.btX, 10);
    EXPECT_EQ(Back(h, Button::LeftRight2), GREEN);
    h.game.cmdLeftRight_MouseUp();
    EXPECT_EQ(Back(h, Button::LeftRight2), Palette(5));
    EXPECT_GE(h.view.focusBoard, 1);
    h.game.cmdLeftRight_MouseDown(0);
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(Back(h, Button::LeftRight0), GREEN);
    EXPECT_EQ(h.game.iClicks, 2);
    EXPECT_EQ(h.view.sounds, (std::vector<Channel>{Channel::Right1, Channel::Left1}));

    h.game.arrBoard[9][6] = true;
    h.game.cmdLeftRight_MouseDown(0);
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(h.game.iClicks, 2);
    EXPECT_EQ(h.view.sounds.size(), 2u);
}

TEST_F(InputTest, holding_the_right_arrow_stops_silently_at_the_wall)
{
    for (int i = 0; i < 12; ++i)
        h.game.Form_KeyDown(KEY_RIGHT);
    EXPECT_EQ(h.game.btX, 16); // the square's right column reaches 18
    EXPECT_EQ(h.game.iClicks, 7);
    EXPECT_EQ(h.view.Count(Channel::Right1), 7);
    h.game.Form_KeyUp(KEY_RIGHT);
    EXPECT_EQ(Back(h, Button::LeftRight2), Palette(5));
}

TEST_F(InputTest, a_refused_rotation_still_sounds_and_counts)
{
    h.Falling(LYING_BAR, 9, 29);
    h.game.Form_KeyDown(KEY_UP);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), LYING_BAR);
    EXPECT_EQ(h.game.iClicks, 1);
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Rotate1});
    EXPECT_EQ(Back(h, Button::Rotate0), YELLOW);
    h.game.Form_KeyUp(KEY_UP);
    EXPECT_EQ(Back(h, Button::Rotate0), Palette(5));
}

TEST_F(InputTest, Down_starts_a_drop_once_and_is_ignored_while_it_runs)
{
    h.rnd.Push({0.6f});
    h.game.Form_KeyDown(KEY_DOWN);
    EXPECT_TRUE(h.game.bDrop);
    EXPECT_FALSE(h.game.cmdDownEnabled);
    EXPECT_EQ(Back(h, Button::Down), Rgb(0, 0, 0));
    EXPECT_EQ(h.game.iClicks, 1);
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Drop1});
    h.game.Form_KeyDown(KEY_DOWN);
    h.game.Form_KeyUp(KEY_DOWN);
    EXPECT_EQ(h.game.iClicks, 1);
    EXPECT_EQ(h.view.sounds.size(), 1u);
    EXPECT_EQ(h.rnd.draws, 1);
}

TEST_F(InputTest, the_drop_sound_is_the_second_one_for_draws_up_to_one_half)
{
    h.rnd.Push({0.5f});
    h.game.cmdDown_MouseDown();
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Drop2});
}

TEST_F(InputTest, a_drop_press_from_the_buttons_counts_again_during_a_drop)
{
    h.game.cmdDown_MouseDown();
    h.game.cmdDown_MouseDown();
    EXPECT_EQ(h.game.iClicks, 2);
    EXPECT_EQ(h.view.sounds.size(), 2u);
}

TEST_F(InputTest, Space_refused_plays_nothing_but_recomputes_the_phantom)
{
    h.game.iFantom = 2;
    h.Falling(SQUARE, 3, 5);
    h.game.Form_KeyDown(KEY_SPACE);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), SQUARE);
    EXPECT_TRUE(h.view.sounds.empty());
    EXPECT_EQ(h.game.iClicks, 0);
    EXPECT_EQ(h.rnd.draws, 3) << "the phantom draws its colour";
    EXPECT_EQ(Back(h, Button::Space), YELLOW);
    h.game.Form_KeyUp(KEY_SPACE);
    EXPECT_EQ(Back(h, Button::Space), Palette(5));
}

TEST_F(InputTest, Space_inverts_with_its_sound_and_is_not_a_click)
{
    h.game.Form_KeyDown(KEY_SPACE);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), "1111100110011111");
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Inverse1});
    EXPECT_EQ(h.game.iClicks, 0);
}

TEST_F(InputTest, keys_do_nothing_while_input_is_disabled_but_Escape_toggles_the_pause)
{
    h.game.bInputEnabled = false;
    for (int key : {int(KEY_LEFT), int(KEY_RIGHT), int(KEY_UP), int(KEY_DOWN), int(KEY_SPACE), 65})
        h.game.Form_KeyDown(key);
    h.game.cmdSpace_MouseDown();
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), SQUARE);
    EXPECT_FALSE(h.game.bDrop);
    EXPECT_EQ(h.game.iClicks, 0);
    EXPECT_TRUE(h.view.sounds.empty());
    EXPECT_EQ(h.view.pauseToggles, 0);
    h.game.Form_KeyDown(KEY_ESCAPE);
    EXPECT_TRUE(h.game.bEscPause);
    EXPECT_EQ(h.view.pauseToggles, 1);
}

TEST_F(InputTest, Pause_Changed_stops_the_fall_and_the_keys_and_resumes_them)
{
    h.game.tmrDownEnabled = true;
    h.game.Form_KeyDown(KEY_ESCAPE);
    EXPECT_TRUE(h.game.Pause_Changed(true)) << "Escape pauses and minimises";
    EXPECT_FALSE(h.game.tmrDownEnabled);
    EXPECT_FALSE(h.game.bInputEnabled);
    EXPECT_FALSE(h.game.bEscPause);
    EXPECT_FALSE(h.game.Pause_Changed(false));
    EXPECT_TRUE(h.game.tmrDownEnabled);
    EXPECT_TRUE(h.game.bInputEnabled);
    EXPECT_FALSE(h.game.Pause_Changed(true)) << "a click pauses without minimising";
}

TEST_F(InputTest, Play_Event_Sound_maps_codes_1_to_7_and_ignores_others)
{
    for (uint8_t code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255})
        h.game.Play_Event_Sound(code);
    EXPECT_EQ(h.view.sounds,
              (std::vector<Channel>{Channel::Quarvex1, Channel::Down1, Channel::Left1, Channel::Right1,
                                    Channel::Rotate1, Channel::Drop1, Channel::DelLin1}));
}

TEST(tmrDemo_Timer, presses_the_button_that_the_k_draw_selects)
{
    for (int k = 0; k <= 23; ++k) {
        GameHarness h;
        h.Falling(SQUARE, 9, 5);
        const float r = k == 23 ? 0.999f : (float(k) + 0.2f) / 23.0f;
        h.rnd.Push({0.0f, r, 0.0f});
        h.game.tmrDemo_Timer();
        std::vector<Channel> expected;
        if (k >= 1 && k <= 7)
            expected = {Channel::Left1};
        else if (k >= 8 && k <= 15)
            expected = {Channel::Right1};
        else if (k >= 16 && k <= 19)
            expected = {Channel::Rotate1};
        else if (k == 20 || k == 21)
            expected = {Channel::Drop2};
        else
            expected = {Channel::Inverse1};
        EXPECT_EQ(h.view.sounds, expected) << "k = " << k;
        EXPECT_EQ(h.game.bDrop, k == 20 || k == 21) << "k = " << k;
    }
}

TEST(tmrDemo_Timer, rounds_the_k_draw_to_the_nearest_value)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 5);
    h.rnd.Push({0.0f, 0.9f / 23.0f}); // 0.9 rounds to 1: a move left
    h.game.tmrDemo_Timer();
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Left1});
    EXPECT_EQ(h.game.btX, 8);
}

TEST(tmrDemo_Timer, sets_the_next_interval_from_5_to_755_ms)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 5);
    const std::pair<float, int> cases[] = {{0.0f, 5}, {0.25f, 192}, {0.5f, 380}, {0.99999994f, 755}};
    for (auto [r, interval] : cases) {
        h.rnd.Push({r, 0.0f});
        h.game.tmrDemo_Timer();
        EXPECT_EQ(h.game.tmrDemoInterval, interval) << r;
    }
    EXPECT_FALSE(h.view.timers.empty());
}

TEST(tmrDemo_Timer, releases_the_buttons_pressed_by_the_previous_tick)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 5);
    h.game.lBtnColor = Palette(3);
    h.game.ButtonBackColor.fill(GREEN);
    h.rnd.Push({0.0f, 17.0f / 23.0f}); // rotate
    h.game.tmrDemo_Timer();
    EXPECT_EQ(Back(h, Button::LeftRight0), Palette(3));
    EXPECT_EQ(Back(h, Button::LeftRight2), Palette(3));
    EXPECT_EQ(Back(h, Button::Space), Palette(3));
    EXPECT_EQ(Back(h, Button::Rotate0), YELLOW);
    EXPECT_EQ(h.game.iClicks, 1);
}

TEST(tmrDemo_Timer, moves_while_input_is_disabled_but_does_not_invert)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 5);
    h.game.bInputEnabled = false;
    h.rnd.Push({0.0f, 10.0f / 23.0f, 0.0f, 0.0f});
    h.game.tmrDemo_Timer();
    h.game.tmrDemo_Timer(); // k = 0: inversion
    EXPECT_EQ(h.game.btX, 10);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), SQUARE);
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Right1});
}
