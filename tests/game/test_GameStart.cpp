#include <gtest/gtest.h>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::vector<std::string> START_LINES = {"**********************", "***Staring Quarvex Zeb",
                                              "**********************"};

// Draws of a classic figure n in a game with btKinds 8 (second 0).
void Script_Classic(ScriptedRandom& rnd, int n) { rnd.Push({0.0f, (float(n) + 0.5f) / 8.0f, 0.0f}); }

// Draws of a Quarvex figure with cells (0,0), (1,1), (2,2) and a bonus of 40000.
void Script_Three_Cell_Quarvex(ScriptedRandom& rnd)
{
    rnd.Push({0.0f, 0.0f, 0.5f, 0.0f});
    for (int col = 0; col < 4; ++col) {
        rnd.Push({0.0f});
        for (int row = 0; row < 4; ++row)
            rnd.Push({col == row && col < 3 ? 0.9f : 0.0f});
    }
    rnd.Push({0.5f});
}

const char* const THREE_CELLS = "1000010000100000";

} // namespace

TEST(Form_Load, sets_up_labels_queue_colours_and_pictures_in_the_order_of_its_draws)
{
    GameHarness h;
    h.rnd.Push({0.6f, 0.99f, 0.5f, 0.25f, 0.125f, 0.375f});
    for (int n : {2, 6, 0, 1, 3})
        Script_Classic(h.rnd, n);
    h.rnd.Push({0.0f, 0.5f, 0.25f, 0.75f, 0.5f, 0.5f, 0.5f});
    h.rnd.Push({0.0f, 0.5f, 0.5f, 0.5f, 0.25f, 0.5f, 0.75f});
    h.game.Form_Load(false);

    EXPECT_EQ(h.rnd.Queued(), 0u);
    EXPECT_EQ(h.rnd.draws, 35);
    EXPECT_EQ(h.rnd.randomizes, 2);
    EXPECT_EQ(h.game.btKinds, 8);
    EXPECT_EQ(h.game.lBtnColor, Palette(15));
    for (Color c : h.game.ButtonBackColor)
        EXPECT_EQ(c, Palette(15));
    for (Label l : {Label::Position, Label::NextPlace})
        EXPECT_EQ(h.game.Label_State(l).ForeColor, Rgb(100, 25, 150)) << int(l);
    for (Label l : {Label::TimeBonus, Label::Total, Label::HeightBonus, Label::TotalScore})
        EXPECT_EQ(h.game.Label_State(l).ForeColor, Rgb(12, 38, 250)) << int(l);
    EXPECT_EQ(h.game.TableBackColor, Rgb(75, 50, 191));
    EXPECT_EQ(h.game.StatisticBackColor, Rgb(75, 25, 125));
    EXPECT_EQ(h.game.FutureBackColor, Rgb(5, 60, 40));
    EXPECT_EQ(h.game.MP3BackColor, Rgb(38, 15, 75));
    EXPECT_EQ(h.game.FormBackColor, Rgb(0, 0, 0));

    const int figures[] = {2, 6, 0, 1, 3};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(h.game.arrQueue[size_t(i)].Pattern, Classic_Pattern(figures[i - 1])) << i;
    EXPECT_EQ(Pattern_Of(h.game.arrFig), Classic_Pattern(2));
    EXPECT_EQ(Pattern_Of(h.game.arrNext), Classic_Pattern(6));
    EXPECT_EQ(h.game.iCells, 8);

    const CanvasCall* figure = h.board.Board_Cell(10, 0);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(figure->color, Rgb(0, 255, 255));
    EXPECT_EQ(h.next.Of_Kind(CanvasCall::Outline).size(), 4u);
    EXPECT_EQ(h.future.Of_Kind(CanvasCall::Outline).size(), 48u);
    EXPECT_TRUE(h.game.tmrDownEnabled);
    EXPECT_FALSE(h.game.tmrDemoEnabled);
}

TEST(Form_Load, shows_the_start_texts_of_a_new_game)
{
    GameHarness h;
    h.game.Form_Load(false);
    EXPECT_EQ(h.view.statistics, START_LINES);
    EXPECT_EQ(h.view.Index_Of("stat-clear"), h.view.Index_Of("stat:" + START_LINES[0]) - 1);
    EXPECT_EQ(h.game.Label_State(Label::Level).Caption, "Level # 0");
    EXPECT_EQ(h.game.Label_State(Label::Level).ForeColor, Palette(1));
    EXPECT_EQ(h.game.Label_State(Label::Score).Caption, "---");
    EXPECT_EQ(h.game.Label_State(Label::Score).ForeColor, Rgb(0, 0, 0));
    for (Label l : {Label::Remain, Label::SumBonus, Label::NextPlace, Label::CountLines1,
                    Label::CountLines2, Label::CountLines3, Label::CountLines4})
        EXPECT_EQ(h.game.Label_State(l).Caption, "") << int(l);
    EXPECT_TRUE(h.game.Label_State(Label::NextPlace).Visible);
    // A missing records file becomes the default table of one entry.
    EXPECT_EQ(h.game.lstTable.size(), 1u);
    EXPECT_EQ(h.game.iPlace, 1);
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "Place # 2");
    EXPECT_TRUE(std::filesystem::exists(h.Records_File()));
}

TEST(Form_Load, calls_the_window_steps_in_their_order)
{
    GameHarness h;
    h.game.Form_Load(false);
    const int init = h.view.Index_Of("hook:Application_Init");
    const int menu = h.view.Index_Of("hook:Menu_Reset");
    const int records = h.view.Index_Of("hook:Records_List_Changed");
    const int sync = h.view.Index_Of("hook:Side_Windows_Sync");
    const int shown = h.view.Index_Of("hook:Game_Shown");
    ASSERT_GE(init, 0);
    EXPECT_GT(menu, init);
    EXPECT_GT(records, menu);
    EXPECT_GT(sync, records);
    EXPECT_GT(shown, sync);
}

TEST(Form_Load, keeps_the_fall_stopped_while_the_pause_button_is_down)
{
    GameHarness h;
    h.game.Form_Load(true);
    EXPECT_FALSE(h.game.tmrDownEnabled);
}

TEST(Form_Load, logs_a_Quarvex_first_figure_without_counting_it)
{
    GameHarness h;
    h.rnd.Push({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Script_Three_Cell_Quarvex(h.rnd);
    h.game.Form_Load(false);
    EXPECT_TRUE(h.game.arrQueue[1].IsQuarvex);
    EXPECT_EQ(h.game.arrQueue[1].Pattern, THREE_CELLS);
    std::vector<std::string> expected = START_LINES;
    expected.push_back("...Quarvex figure");
    EXPECT_EQ(h.view.statistics, expected);
    EXPECT_EQ(h.game.iQuarvexCount, 0);
    EXPECT_EQ(h.game.iCells, 3 + 4);
}

TEST(Form_Load, announces_a_Quarvex_second_figure_without_its_sound)
{
    GameHarness h;
    h.rnd.Push({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    h.rnd.Push({0.0f, 0.0f, 0.0f});
    Script_Three_Cell_Quarvex(h.rnd);
    h.game.Form_Load(false);
    ASSERT_TRUE(h.game.arrQueue[2].IsQuarvex);
    EXPECT_TRUE(h.game.Label_State(Label::Firma).Visible);
    EXPECT_EQ(h.game.Label_State(Label::Firma).Caption, "Quarvex-фигурка Bonus 4000");
    EXPECT_EQ(h.view.Count(Channel::Quarvex1), 0);
    EXPECT_EQ(h.view.statistics, START_LINES);
}

TEST(Form_Load, hides_an_announcement_left_by_the_lost_game)
{
    GameHarness h;
    h.game.Form_Load(false);
    h.game.arrQueue[2].IsQuarvex = true;
    h.game.arrQueue[2].Bonus = 40000;
    h.game.Prepare_Next_Figure(h.game.arrQueue[2].Pattern);
    ASSERT_TRUE(h.game.Label_State(Label::Firma).Visible);
    h.game.Form_Load(false);
    EXPECT_FALSE(h.game.arrQueue[2].IsQuarvex);
    EXPECT_FALSE(h.game.Label_State(Label::Firma).Visible);
}

TEST(Form_Load, leaves_the_place_label_empty_with_a_full_table)
{
    GameHarness h;
    std::vector<std::pair<std::string, int>> entries;
    for (int i = 0; i < 99; ++i)
        entries.push_back({"P" + std::to_string(i), 10000 - i});
    h.Write_Records(entries);
    h.game.Form_Load(false);
    EXPECT_EQ(h.game.iPlace, 99);
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "");

    GameHarness h98;
    entries.pop_back();
    h98.Write_Records(entries);
    h98.game.Form_Load(false);
    EXPECT_EQ(h98.game.Label_State(Label::Position).Caption, "Place # 99");
}

TEST(Form_Load, starts_the_next_game_from_a_clean_state)
{
    GameHarness h;
    h.game.Form_Load(false);
    h.game.arrBoard[10][30] = true;
    h.game.btX = 14;
    h.game.btY = 20;
    h.game.iLevel = 5;
    h.game.iLevelLines = 3;
    h.game.iFigureNo = 40;
    h.game.lClicksTotal = 120;
    h.game.iQuarvexCount = 2;
    h.game.lBonusSum = 40000;
    h.game.lTimeBonusSum = 3000;
    h.game.arrLineCounts = {1, 2, 3, 4};
    h.game.bInputEnabled = false;
    h.game.tmrDemoEnabled = true;
    h.game.bDrop = true;
    h.game.cmdDownEnabled = false;
    h.game.Form_Load(false);
    EXPECT_FALSE(h.game.arrBoard[10][30]);
    EXPECT_EQ(h.game.btX, 9);
    EXPECT_EQ(h.game.btY, 0);
    EXPECT_EQ(h.game.iLevel, 0);
    EXPECT_EQ(h.game.iLevelLines, 0);
    EXPECT_EQ(h.game.iFigureNo, 0);
    EXPECT_EQ(h.game.lClicksTotal, 0);
    EXPECT_EQ(h.game.iQuarvexCount, 0);
    EXPECT_EQ(h.game.lBonusSum, 0);
    EXPECT_EQ(h.game.lTimeBonusSum, 0);
    EXPECT_EQ(h.game.arrLineCounts, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_TRUE(h.game.bInputEnabled);
    EXPECT_FALSE(h.game.tmrDemoEnabled);
    EXPECT_FALSE(h.game.bDrop);
    EXPECT_TRUE(h.game.cmdDownEnabled);
    EXPECT_EQ(h.view.statistics, START_LINES);
}

TEST(Form_Load, a_game_started_from_the_end_of_game_flow_is_left_alone_by_the_lost_game)
{
    GameHarness h;
    h.game.Form_Load(false);
    h.view.onGameLost = [&h](int32_t) {
        h.game.lScore = 0;
        h.game.iLevelSpeed = 0;
        h.game.objRecords.Clear_Records();
        h.game.Form_Load(false);
    };
    h.Falling(Classic_Pattern(6), 9, 0);
    h.Next(Classic_Pattern(6));
    for (int row = 3; row <= 30; ++row)
        h.game.arrBoard[10][size_t(row)] = true;
    h.game.bDrop = true;
    h.game.tmrDown_Timer();
    ASSERT_EQ(h.view.lostScores.size(), 1u);

    EXPECT_FALSE(h.game.bGameLost);
    EXPECT_EQ(h.view.statistics, START_LINES);
    for (int row = 0; row <= 30; ++row)
        EXPECT_EQ(h.Row_Text(row), "...............") << row;
    EXPECT_EQ(h.game.btY, 0);
    EXPECT_TRUE(h.game.tmrDownEnabled);
    h.game.tmrDown_Timer();
    EXPECT_EQ(h.game.iTicks, 1);
    EXPECT_EQ(h.game.iTimeCount, 1);
}
