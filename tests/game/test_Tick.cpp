#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::string BAR = Classic_Pattern(2);    // box column 1, rows 0..3
const std::string SQUARE = Classic_Pattern(6); // (1,1) (2,1) (1,2) (2,2)

// Ticks until the falling figure lands (btY goes back to 0 from below); the number of ticks.
int Ticks_Until_Landing(GameHarness& h, int limit = 10000)
{
    for (int n = 1; n <= limit; ++n) {
        const size_t before = h.view.statistics.size();
        h.game.tmrDown_Timer();
        if (h.view.statistics.size() > before)
            return n;
    }
    return -1;
}

// Pattern of queue entry e (3..5) as the future picture shows it: "1" where the box
// over a cell's centre is white.
std::string Future_Shown(const RecordingCanvas& future, int e)
{
    const double k = 1.0 / 1.3;
    std::string p;
    for (int col = 1; col <= 4; ++col)
        for (int row = 1; row <= 4; ++row) {
            const CanvasCall* box =
                future.Top_Box_At(k * ((e - 3) * 1200 + 250 * col + 125) - 50, k * (250 * row + 125) - 100);
            p += box && box->color == Rgb(255, 255, 255) ? '1' : '0';
        }
    return p;
}

} // namespace

TEST(tmrDown_Timer, moves_the_figure_one_row_after_150_minus_level_speed_ticks)
{
    for (int16_t speed : {0, 15, 75, 135, 150}) {
        GameHarness h;
        h.Falling(SQUARE, 9, 0);
        h.game.iLevelSpeed = speed;
        const int delay = std::max(1, 150 - speed);
        for (int row = 1; row <= 3; ++row) {
            for (int t = 1; t < delay; ++t)
                h.game.tmrDown_Timer();
            EXPECT_EQ(h.game.btY, row - 1) << "speed " << speed;
            h.game.tmrDown_Timer();
            EXPECT_EQ(h.game.btY, row) << "speed " << speed;
            EXPECT_EQ(h.game.iTicks, 0);
        }
    }
}

TEST(tmrDown_Timer, counts_the_time_bonus_down_and_stops_after_201_ticks)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 0);
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "200");
    for (int t = 2; t <= 10; ++t)
        h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "191");
    EXPECT_EQ(h.game.iTimeCount, 10);
    for (int t = 11; t <= 201; ++t)
        h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "0");
    EXPECT_EQ(h.game.iTimeCount, 201);
    for (int t = 202; t <= 290; ++t)
        h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.iTimeCount, 201);
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "0");
}

TEST(tmrDown_Timer, drops_one_row_per_tick_with_the_time_bonus_clock_frozen)
{
    GameHarness h;
    h.Falling(BAR, 9, 0);
    h.Next(SQUARE);
    for (int t = 0; t < 10; ++t)
        h.game.tmrDown_Timer();
    h.game.cmdDown_MouseDown();
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.btY, 1);
    EXPECT_EQ(h.game.iTimeCount, 10);
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "191");
    // The bar lands on row 30 from btY 27: 26 more steps and the landing tick.
    EXPECT_EQ(Ticks_Until_Landing(h), 27);
    EXPECT_EQ(h.game.lTimeBonusSum, 191);
    EXPECT_EQ(h.game.lScore, 1910);
    EXPECT_EQ(h.game.Label_State(Label::TimeBonus).Caption, "190");
    EXPECT_EQ(h.game.Label_State(Label::TotalScore).Caption, "191");
    EXPECT_EQ(h.game.iTimeCount, 0);
    EXPECT_FALSE(h.game.bDrop);
    EXPECT_TRUE(h.game.cmdDownEnabled);
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.btY, 0) << "the next figure falls at the normal pace";
    EXPECT_EQ(h.game.iTimeCount, 1);
}

TEST(tmrDown_Timer, sets_up_the_next_figure_at_column_9_row_0_after_a_landing)
{
    GameHarness h;
    h.Falling(SQUARE, 6, 28);
    h.Next(BAR, true, 40000);
    h.game.arrQueue[3] = FigureRecord{Classic_Pattern(0), 0, false};
    h.game.Prepare_Next_Figure(BAR);
    h.game.iTicks = 40;
    h.game.cmdDown_MouseDown();
    ASSERT_TRUE(h.game.Label_State(Label::Firma).Visible);
    ASSERT_NE(h.game.ButtonBackColor[size_t(Button::Down)], h.game.lBtnColor);
    h.game.tmrDown_Timer();
    EXPECT_TRUE(h.game.arrBoard[7][29] && h.game.arrBoard[8][30]);
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(h.game.btY, 0);
    EXPECT_EQ(h.game.iTicks, 0);
    EXPECT_EQ(Pattern_Of(h.game.arrFig), BAR);
    EXPECT_EQ(Pattern_Of(h.game.arrNext), Classic_Pattern(0));
    EXPECT_EQ(h.game.arrQueue[1].Pattern, BAR);
    EXPECT_EQ(h.game.iCells, 8) << "cells of the new falling and next figures";
    EXPECT_EQ(h.game.iFigureNo, 1);
    EXPECT_EQ(h.game.ButtonBackColor[size_t(Button::Down)], h.game.lBtnColor);
    EXPECT_FALSE(h.game.Label_State(Label::Firma).Visible);
}

TEST(tmrDown_Timer, redraws_the_future_picture_from_the_shifted_queue_at_a_landing)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 28);
    h.Next(SQUARE);
    const char* const queued[] = {"0000111100000000", "0000010001100010", "1000000000000001"};
    for (int i = 0; i < 3; ++i)
        h.game.arrQueue[size_t(3 + i)].Pattern = queued[i];
    h.game.bDrop = true;
    h.rnd.Push({0.0f, 0.0f, 0.9f, 0.0f}); // landing sound, stir, figure 6, no Quarvex figure
    h.game.tmrDown_Timer();
    ASSERT_EQ(h.future.Clears(), 1);
    EXPECT_EQ(Future_Shown(h.future, 3), queued[1]);
    EXPECT_EQ(Future_Shown(h.future, 4), queued[2]);
    EXPECT_EQ(Future_Shown(h.future, 5), "0000011001100000");
}

TEST(tmrDown_Timer, pays_no_time_bonus_for_a_figure_landing_after_201_ticks)
{
    // Ticks until the landing tick, and the time points the figure earns.
    const std::pair<int, int> cases[] = {{200, 1}, {201, 0}, {202, 0}, {350, 0}};
    for (const auto& [ticks, points] : cases) {
        GameHarness h;
        h.Falling(SQUARE, 9, 0);
        h.Next(SQUARE);
        h.game.lTimeBonusSum = 500;
        for (int t = 1; t < ticks; ++t)
            h.game.tmrDown_Timer();
        h.game.btY = 28; // resting on the floor, its next fall step due
        h.game.iTicks = 149;
        h.game.iCells = 8;
        h.game.tmrDown_Timer();
        ASSERT_EQ(h.view.statistics.size(), 1u) << ticks;
        EXPECT_EQ(h.game.lScore, 10 * points + 32) << ticks;
        EXPECT_EQ(h.game.lTimeBonusSum, 500 + points) << ticks;
        EXPECT_EQ(h.game.Label_State(Label::TotalScore).Caption, std::to_string(500 + points)) << ticks;
    }
}

TEST(tmrDown_Timer, books_the_landing_line_and_the_place_before_the_game_summary)
{
    GameHarness h;
    h.Table({{"Ann", 5000}, {"Bob", 10}});
    h.Falling(SQUARE, 9, 0); // cells (10,1) (11,1) (10,2) (11,2)
    h.Next(SQUARE, true, 40000);
    for (int row = 3; row <= 30; ++row)
        h.game.arrBoard[10][size_t(row)] = true;
    h.game.bDrop = true;
    h.game.iCells = 8;
    h.game.iClicks = 3;
    h.game.iFigureNo = 11;
    h.game.lClicksTotal = 40;
    h.game.iQuarvexCount = 2;
    h.game.tmrDown_Timer();

    const auto& ev = h.view.events;
    const int sound = h.view.Index_Of(Sound_Event(Channel::Down2));
    const int line = h.view.Index_Of("stat:12. +204 (3)");
    const int select = h.view.Index_Of("select:1");
    const int place = h.view.Index_Of("stat:...Current place : 2");
    const int quarvex = h.view.Index_Of("stat:...Quarvex figure");
    const int summary = h.view.Index_Of("stat:*** Game Over ***");
    const int lost = h.view.Index_Of("lost:204");
    ASSERT_GE(sound, 0);
    ASSERT_GT(line, sound);
    ASSERT_GT(select, line);
    ASSERT_GT(place, select);
    ASSERT_GT(quarvex, place);
    ASSERT_GT(summary, quarvex);
    ASSERT_GT(lost, summary);
    EXPECT_EQ(lost, int(ev.size()) - 1) << "nothing after the end-of-game flow";

    const std::vector<std::string> tail(h.view.statistics.end() - 8, h.view.statistics.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"", "*****************", "*** Game Over ***",
                                              "*****************", "Steps = 12", "Clicks = 43",
                                              "Quarvex = 3", "-----------------"}));
    EXPECT_EQ(h.game.Label_State(Label::Score).Caption, "204");
    EXPECT_EQ(h.view.lostScores, std::vector<int32_t>{204});
    EXPECT_TRUE(h.game.bGameLost);
}

TEST(tmrDown_Timer, does_nothing_for_a_lost_game)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 0);
    h.Next(SQUARE);
    for (int row = 3; row <= 30; ++row)
        h.game.arrBoard[10][size_t(row)] = true;
    h.game.bDrop = true;
    h.game.tmrDown_Timer();
    ASSERT_EQ(h.view.lostScores.size(), 1u);

    h.Forget();
    const auto board = h.game.arrBoard;
    const int32_t score = h.game.lScore;
    h.game.SpeedChange = 500;
    for (int t = 0; t < 400; ++t)
        h.game.tmrDown_Timer();
    h.game.Form_KeyDown(KEY_LEFT);
    h.game.Form_KeyDown(KEY_UP);
    h.game.Form_KeyDown(KEY_DOWN);
    h.game.Form_KeyDown(KEY_SPACE);
    EXPECT_EQ(h.view.events, std::vector<std::string>{});
    EXPECT_EQ(h.game.iTicks, 0);
    EXPECT_EQ(h.game.iTimeCount, 0);
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(h.game.btY, 0);
    EXPECT_EQ(h.game.arrBoard, board);
    EXPECT_EQ(h.game.lScore, score);
    EXPECT_EQ(h.game.iClicks, 0);
    EXPECT_EQ(h.rnd.draws, 0);
    EXPECT_TRUE(h.board.calls.empty());
}

TEST(Remove_Full_Lines, removes_two_full_rows_with_a_partial_row_between)
{
    GameHarness h;
    h.Fill_Row(30);
    h.Fill_Row(28);
    h.game.arrBoard[5][29] = true;
    h.game.arrBoard[7][27] = true;
    h.game.arrBoard[18][20] = true;
    int16_t lines = 1;
    h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(h.Row_Text(30), ".#.............");
    EXPECT_EQ(h.Row_Text(29), "...#...........");
    EXPECT_EQ(h.Row_Text(28), "...............");
    EXPECT_EQ(h.Row_Text(22), "..............#");
    EXPECT_EQ(h.Row_Text(0), "...............");
    EXPECT_EQ(h.game.iLevelLines, 2);
}

TEST(Remove_Full_Lines, removes_adjacent_full_rows_and_the_top_row)
{
    GameHarness h;
    for (int row : {0, 29, 30})
        h.Fill_Row(row);
    h.game.arrBoard[4][28] = true;
    int16_t lines = 0;
    h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(h.Row_Text(30), "#..............");
    for (int row = 0; row < 30; ++row)
        EXPECT_EQ(h.Row_Text(row), "...............") << row;
}

TEST(Remove_Full_Lines, leaves_a_row_of_14_cells)
{
    GameHarness h;
    h.Fill_Row(30, {18});
    int16_t lines = 0;
    h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(h.Row_Text(30), "##############.");
    EXPECT_EQ(h.game.iLevelLines, 0);
}

TEST(tmrDown_Timer, removes_rows_27_and_30_filled_by_one_landing)
{
    GameHarness h;
    h.Fill_Row(27, {10});
    h.Fill_Row(30, {10});
    h.game.arrBoard[4][28] = true;
    h.game.arrBoard[18][29] = true;
    h.Falling(BAR, 9, 27); // cells (10, 27..30)
    h.Next(SQUARE);
    h.game.bDrop = true;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.Row_Text(30), "......#.......#");
    EXPECT_EQ(h.Row_Text(29), "#.....#........");
    EXPECT_EQ(h.Row_Text(28), "...............");
    EXPECT_EQ(h.Row_Text(27), "...............");
    EXPECT_EQ(h.game.arrLineCounts, (std::array<int32_t, 4>{0, 1, 0, 0}));
    EXPECT_EQ(h.view.Count(Channel::DelLin1), 1);
    ASSERT_EQ(h.view.statistics.size(), 1u);
    EXPECT_NE(h.view.statistics[0].find(" -> 2 lines ("), std::string::npos) << h.view.statistics[0];
    // The board is drawn again from the new rows.
    EXPECT_EQ(h.board.Board_Cell(10, 27), nullptr);
    const CanvasCall* c = h.board.Board_Cell(10, 30);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->color, Rgb(255, 255, 0));
}

TEST(tmrDown_Timer, plays_one_of_two_landing_sounds_by_a_draw)
{
    for (float r : {0.5f, 0.51f}) {
        GameHarness h;
        h.Falling(SQUARE, 9, 28);
        h.Next(SQUARE);
        h.game.bDrop = true;
        h.rnd.Push({r});
        h.game.tmrDown_Timer();
        const Channel expected = r > 0.5f ? Channel::Down1 : Channel::Down2;
        EXPECT_EQ(h.view.Count(expected), 1) << r;
        EXPECT_EQ(h.view.Count(Channel::Down1) + h.view.Count(Channel::Down2), 1) << r;
    }
}

TEST(tmrDown_Timer, sweeps_the_background_pan_to_5500_and_back)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 0);
    h.game.EnableLoop = true;
    h.game.SpeedChange = 500;
    for (int t = 0; t < 40; ++t)
        h.game.tmrDown_Timer();
    ASSERT_EQ(h.view.pans.size(), 40u);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(h.view.pans[size_t(i)], 500 * i) << i;
    EXPECT_EQ(h.view.pans[12], 5000);
    EXPECT_EQ(h.view.pans[33], -5500);
    EXPECT_EQ(h.view.pans[34], -5000);
    EXPECT_EQ(h.view.pans[39], -2500);
    EXPECT_EQ(*std::max_element(h.view.pans.begin(), h.view.pans.end()), 5500);
    EXPECT_EQ(*std::min_element(h.view.pans.begin(), h.view.pans.end()), -5500);
    EXPECT_EQ(h.game.iPanDirection, 1);
}

TEST(tmrDown_Timer, leaves_the_pan_alone_while_the_background_sound_is_off)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 0);
    h.game.EnableLoop = false;
    h.game.SpeedChange = 500;
    h.game.ForLoop = 1500;
    for (int t = 0; t < 20; ++t)
        h.game.tmrDown_Timer();
    EXPECT_TRUE(h.view.pans.empty());
    EXPECT_EQ(h.game.ForLoop, 1500);
}
