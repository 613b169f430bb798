#include <gtest/gtest.h>

#include <algorithm>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::string BAR = Classic_Pattern(2);    // box column 1, rows 0..3
const std::string SQUARE = Classic_Pattern(6); // (1,1) (2,1) (1,2) (2,2)
const std::string THREE_CELLS = "1000010000100000";
const std::string SUPER = "1001111110011111";
const Color BLACK = Rgb(0, 0, 0);
const Color TALLY_BACK = Rgb(192, 192, 192);

// A square resting on row 30 at columns 10 and 11, dropped at once, the rows
// 29 and 30 full around it when `rows` is 2.
void Square_Landing(GameHarness& h, int rows)
{
    h.Falling(SQUARE, 9, 28);
    h.Next(SQUARE);
    for (int r = 0; r < rows; ++r)
        h.Fill_Row(30 - r, {10, 11});
    h.game.bDrop = true;
}

// A bar at column 10 filling rows 27..30, all four full around it.
void Four_Rows_Landing(GameHarness& h)
{
    h.Falling(BAR, 9, 27);
    h.Next(SQUARE);
    for (int row = 27; row <= 30; ++row)
        h.Fill_Row(row, {10});
    h.game.bDrop = true;
}

int Count_Line(const RecordingView& v, const std::string& line)
{
    return int(std::count(v.statistics.begin(), v.statistics.end(), line));
}

} // namespace

TEST(Landing_Score, adds_201_time_points_and_4_tenths_per_cell_to_the_statistics_line)
{
    GameHarness h;
    Square_Landing(h, 0);
    h.game.iCells = 8;
    h.game.iClicks = 3;
    h.game.iFigureNo = 11;
    h.game.lClicksTotal = 7;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"12. +204 (3)"});
    EXPECT_EQ(h.game.lScore, 2042);
    EXPECT_EQ(h.game.Label_State(Label::Score).Caption, "204");
    EXPECT_EQ(h.game.lClicksTotal, 10);
    EXPECT_EQ(h.game.iClicks, 0);
    EXPECT_EQ(h.game.iFigureNo, 12);
    EXPECT_GE(h.view.statisticSelectLast, 1);
}

TEST(Landing_Score, counts_the_line_gain_in_the_points_of_the_statistics_line)
{
    GameHarness h;
    Square_Landing(h, 2);
    h.game.lScore = 12345;
    h.game.iCells = 8;
    h.game.iClicks = 5;
    h.game.iFigureNo = 12;
    h.game.arrLineCounts[1] = 2;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"13. +1004 -> 2 lines (5)"});
    EXPECT_EQ(h.game.lScore, 12345 + 8000 + 2010 + 32);
    EXPECT_EQ(h.game.Label_State(Label::Score).Caption, "2238");
    EXPECT_EQ(h.game.Label_State(Label::CountLines2).Caption, "2-Lines*3 = 2400");
    EXPECT_EQ(h.game.arrLineCounts, (std::array<int32_t, 4>{0, 3, 0, 0}));
    EXPECT_EQ(h.game.iLastLines, 2);
    EXPECT_EQ(h.view.Count(Channel::DelLin1), 1);
}

TEST(Line_Gain, pays_5000_points_for_four_rows_and_starts_the_tally_blink)
{
    GameHarness h;
    Four_Rows_Landing(h);
    h.game.Labels[size_t(Label::CountLines1)].ForeColor = TALLY_BACK;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.lScore, 50000 + 2010);
    EXPECT_EQ(h.game.Label_State(Label::CountLines4).Caption, "4-Lines*1 = 5000");
    EXPECT_EQ(h.game.iLastLines, 4);
    for (Label l : {Label::CountLines1, Label::CountLines2, Label::CountLines3, Label::CountLines4})
        EXPECT_EQ(h.game.Label_State(l).ForeColor, BLACK) << int(l);
    EXPECT_TRUE(h.game.tmrMigCountLinesEnabled);
    EXPECT_NE(std::find(h.view.timers.begin(), h.view.timers.end(), Timer::MigCountLines),
              h.view.timers.end());
    EXPECT_EQ(h.game.Label_State(Label::Remain).Caption, "123");
}

TEST(Line_Gain, starts_a_running_tally_blink_over)
{
    GameHarness h;
    Square_Landing(h, 1);
    h.game.tmrMigCountLinesEnabled = true;
    h.game.iBlinkCount = 4;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.iBlinkCount, 0);
    EXPECT_TRUE(h.game.tmrMigCountLinesEnabled);
    EXPECT_EQ(h.game.Label_State(Label::CountLines1).Caption, "1-Lines*1 = 275");
}

TEST(Quarvex_Gain, adds_the_bonus_of_the_landed_figure_and_shows_the_sum)
{
    GameHarness h;
    h.Falling(THREE_CELLS, 9, 28, true, 34565);
    h.Next(SQUARE);
    h.game.bDrop = true;
    h.game.lBonusSum = 10;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.lScore, 2010 + 34565);
    EXPECT_EQ(h.game.lBonusSum, 34575);
    EXPECT_EQ(h.game.Label_State(Label::SumBonus).Caption, "  Quarvex Bonus : 3457");
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"1. +3657 (0)"});
}

TEST(Quarvex_Gain, leaves_the_bonus_label_empty_before_the_first_Quarvex_figure)
{
    GameHarness h;
    Square_Landing(h, 0);
    h.game.Labels[size_t(Label::SumBonus)].Caption = "";
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.lBonusSum, 0);
    EXPECT_EQ(h.game.Label_State(Label::SumBonus).Caption, "");
}

TEST(Quarvex_Gain, pays_25000_points_for_the_super_figure)
{
    GameHarness h;
    h.Falling(SUPER, 9, 27, true, 250000);
    h.Next(SQUARE);
    h.game.bDrop = true;
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.lScore, 250000 + 2010);
    EXPECT_EQ(h.game.Label_State(Label::SumBonus).Caption, "  Quarvex Bonus : 25000");
}

TEST(Prepare_Next_Figure, announces_a_Quarvex_figure_with_its_bonus_rounded_not_truncated)
{
    const std::pair<int32_t, const char*> rounded[] = {{34567, "3457"}, {49999, "5000"}, {30004, "3000"}};
    for (const auto& [bonus, shown] : rounded) {
        GameHarness h;
        h.Next(THREE_CELLS, true, bonus);
        h.game.Prepare_Next_Figure(THREE_CELLS);
        EXPECT_EQ(h.game.Label_State(Label::Firma).Caption, std::string("Quarvex-фигурка Bonus ") + shown);
    }
}

TEST(Prepare_Next_Figure, announces_a_Quarvex_figure_with_its_bonus_rounded_half_to_even)
{
    GameHarness h;
    h.game.Labels[size_t(Label::Score)].Caption = "204";
    h.game.Labels[size_t(Label::Firma)].Visible = false;
    h.Next(THREE_CELLS, true, 34565);
    h.game.Prepare_Next_Figure(THREE_CELLS);
    const LabelState& firma = h.game.Label_State(Label::Firma);
    EXPECT_TRUE(firma.Visible);
    EXPECT_EQ(firma.Caption, "Quarvex-фигурка Bonus 3456");
    EXPECT_EQ(firma.ForeColor, Rgb(255, 255, 0));
    EXPECT_EQ(h.game.ColorFigura, Rgb(255, 0, 0));
    EXPECT_EQ(h.game.NextFillColor, Rgb(255, 255, 255));
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Quarvex1});
    EXPECT_TRUE(h.view.statistics.empty());
}

TEST(Prepare_Next_Figure, announces_the_super_figure_in_blue_with_a_statistics_line)
{
    GameHarness h;
    h.game.Labels[size_t(Label::Score)].Caption = "0";
    h.Next(SUPER, true, 250000);
    h.game.Prepare_Next_Figure(SUPER);
    const LabelState& firma = h.game.Label_State(Label::Firma);
    EXPECT_TRUE(firma.Visible);
    EXPECT_EQ(firma.Caption, "This Is Quarvex Bonus 25000");
    EXPECT_EQ(firma.ForeColor, Rgb(0, 0, 255));
    EXPECT_EQ(h.game.ColorFigura, Rgb(0, 0, 255));
    EXPECT_EQ(h.game.NextFillColor, Rgb(255, 255, 255));
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...SUPER QUARVEX !!!"});
    EXPECT_EQ(h.view.Count(Channel::Quarvex1), 1);
}

TEST(Prepare_Next_Figure, plays_no_Quarvex_sound_while_the_score_shows_dashes)
{
    GameHarness h;
    h.game.Labels[size_t(Label::Score)].Caption = "---";
    h.Next(THREE_CELLS, true, 40000);
    h.game.Prepare_Next_Figure(THREE_CELLS);
    EXPECT_TRUE(h.game.Label_State(Label::Firma).Visible);
    EXPECT_EQ(h.game.Label_State(Label::Firma).Caption, "Quarvex-фигурка Bonus 4000");
    EXPECT_TRUE(h.view.sounds.empty());
}

TEST(Prepare_Next_Figure, gives_a_classic_figure_white_borders_on_purple)
{
    GameHarness h;
    h.game.ColorFigura = Rgb(0, 0, 255);
    h.game.NextFillColor = Rgb(255, 255, 255);
    h.Next(SQUARE);
    h.game.Prepare_Next_Figure(SQUARE);
    EXPECT_EQ(h.game.ColorFigura, Rgb(255, 255, 255));
    EXPECT_EQ(h.game.NextFillColor, Rgb(150, 52, 152));
    EXPECT_TRUE(h.view.sounds.empty());
}

TEST(Level_Counting, raises_the_level_on_the_seventh_row)
{
    GameHarness h;
    h.Fill_Row(30);
    h.game.iLevelLines = 6;
    h.game.lScore = 12345;
    int16_t lines = 0;
    h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
    EXPECT_EQ(h.game.iLevel, 1);
    EXPECT_EQ(h.game.iLevelSpeed, 15);
    EXPECT_EQ(h.game.iLevelLines, 0);
    EXPECT_EQ(h.game.Label_State(Label::Level).Caption, "Level # 1");
    EXPECT_EQ(h.game.Label_State(Label::Remain).Caption, "1234567");
    EXPECT_EQ(h.view.statistics,
              (std::vector<std::string>{"************************", "Welcome to the Level # 1",
                                        "************************", "...Score : 1234"}));
    EXPECT_TRUE(h.game.tmrLevelEnabled);
    EXPECT_NE(std::find(h.view.timers.begin(), h.view.timers.end(), Timer::Level), h.view.timers.end());
}

TEST(Level_Counting, raises_the_level_once_for_three_rows_from_5_and_keeps_the_extra_row)
{
    GameHarness h;
    for (int row : {24, 27, 30})
        h.Fill_Row(row);
    h.game.iLevelLines = 5;
    h.game.iLevel = 2;
    h.game.iLevelSpeed = 30;
    int16_t lines = 0;
    h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(h.game.iLevel, 3);
    EXPECT_EQ(h.game.iLevelSpeed, 45);
    EXPECT_EQ(h.game.iLevelLines, 1);
    EXPECT_EQ(h.game.Label_State(Label::Remain).Caption, "123456");
    EXPECT_EQ(Count_Line(h.view, "Welcome to the Level # 3"), 1);
    EXPECT_EQ(h.view.statistics.size(), 4u);
}

TEST(Level_Counting, stops_at_level_10_and_keeps_counting_the_rows_left_down)
{
    GameHarness h;
    h.game.iLevel = 9;
    h.game.iLevelSpeed = 135;
    h.game.iLevelLines = 6;
    const char* remain[] = {"1234567", "123456", "12345", "1234", "123", "12", "1", "1234567", "", ""};
    int16_t lines = 0;
    for (const char* text : remain) {
        h.Fill_Row(30);
        h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
        EXPECT_EQ(h.game.Label_State(Label::Remain).Caption, text) << "row " << lines;
    }
    EXPECT_EQ(h.game.iLevel, 10);
    EXPECT_EQ(h.game.iLevelSpeed, 150);
    EXPECT_EQ(h.game.iLevelLines, 9);
    EXPECT_EQ(h.game.Label_State(Label::Level).Caption, "Level # 10");
    EXPECT_EQ(h.view.statistics.size(), 4u) << "one level-up, to level 10";
    EXPECT_EQ(Count_Line(h.view, "Welcome to the Level # 10"), 1);
}

TEST(Level_Counting, writes_the_rows_still_to_remove_as_digits)
{
    GameHarness h;
    int16_t lines = 0;
    const char* expected[] = {"123456", "12345", "1234", "123", "12", "1"};
    for (const char* text : expected) {
        h.Fill_Row(30);
        h.game.Remove_Full_Lines(h.game.iLevelSpeed, lines);
        EXPECT_EQ(h.game.Label_State(Label::Remain).Caption, text);
    }
    EXPECT_EQ(h.game.iLevel, 0);
}

TEST(Level_Counting, reports_the_score_before_the_line_gain_of_the_level_up_landing)
{
    GameHarness h;
    Square_Landing(h, 1);
    h.game.lScore = 12345;
    h.game.iLevelLines = 6;
    h.game.tmrDown_Timer();
    EXPECT_EQ(Count_Line(h.view, "...Score : 1234"), 1);
    EXPECT_EQ(h.game.lScore, 12345 + 2750 + 2010);
    const int welcome = h.view.Index_Of("stat:Welcome to the Level # 1");
    const int landing = h.view.Index_Of("stat:1. +476 -> 1 lines (0)");
    ASSERT_GE(welcome, 0);
    EXPECT_GT(landing, welcome);
}

TEST(tmrLevel_Timer, blinks_16_random_colours_and_rests_in_colour_13_at_level_6)
{
    GameHarness h;
    h.game.iLevel = 6;
    h.game.tmrLevelEnabled = true;
    h.rnd.Push({0.5f, 0.25f}); // Nearest(7.5) = 8, Nearest(3.75) = 4
    h.game.tmrLevel_Timer();
    EXPECT_EQ(h.game.Label_State(Label::Level).ForeColor, Palette(8));
    EXPECT_EQ(h.game.FormBackColor, Palette(8));
    h.game.tmrLevel_Timer();
    EXPECT_EQ(h.game.Label_State(Label::Level).ForeColor, Palette(4));
    for (int i = 3; i <= 15; ++i)
        h.game.tmrLevel_Timer();
    EXPECT_TRUE(h.game.tmrLevelEnabled);
    EXPECT_EQ(h.game.iLevelBlink, 15);
    h.game.tmrLevel_Timer();
    EXPECT_FALSE(h.game.tmrLevelEnabled);
    EXPECT_EQ(h.game.Label_State(Label::Level).ForeColor, Palette(13));
    EXPECT_EQ(h.game.FormBackColor, Rgb(0, 0, 0));
    EXPECT_EQ(h.game.iLevelBlink, 0);
    EXPECT_EQ(h.rnd.draws, 16);
}

TEST(tmrLevel_Timer, rests_in_palette_colour_level_plus_1_on_other_levels)
{
    for (int16_t level : {1, 5, 7, 10}) {
        GameHarness h;
        h.game.iLevel = level;
        h.game.tmrLevelEnabled = true;
        for (int i = 0; i < 16; ++i)
            h.game.tmrLevel_Timer();
        EXPECT_EQ(h.game.Label_State(Label::Level).ForeColor, Palette(level + 1)) << level;
    }
}

TEST(tmrMigCountLines_Timer, blinks_the_last_tally_five_times_and_leaves_it_black)
{
    GameHarness h;
    h.game.iLastLines = 2;
    h.game.tmrMigCountLinesEnabled = true;
    h.game.Labels[size_t(Label::CountLines2)].ForeColor = BLACK;
    const Color other = h.game.Label_State(Label::CountLines1).ForeColor;
    const Color expected[] = {TALLY_BACK, BLACK, TALLY_BACK, BLACK, TALLY_BACK};
    for (Color c : expected) {
        h.game.tmrMigCountLines_Timer();
        EXPECT_EQ(h.game.Label_State(Label::CountLines2).ForeColor, c);
        EXPECT_TRUE(h.game.tmrMigCountLinesEnabled);
    }
    h.game.tmrMigCountLines_Timer();
    EXPECT_FALSE(h.game.tmrMigCountLinesEnabled);
    EXPECT_EQ(h.game.Label_State(Label::CountLines2).ForeColor, BLACK);
    EXPECT_EQ(h.game.iBlinkCount, 0);
    EXPECT_EQ(h.game.Label_State(Label::CountLines1).ForeColor, other);
}
