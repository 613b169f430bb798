#include <gtest/gtest.h>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

TEST(Update_Place, climbing_to_first_place_declares_victory_without_a_current_place_line)
{
    GameHarness h;
    h.Table({{"Ann", 300}, {"Bob", 200}, {"Cid", 100}});
    h.game.Update_Place(500);
    EXPECT_EQ(h.game.iPlace, 0);
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "Place # 1");
    EXPECT_EQ(h.game.Label_State(Label::Position).ForeColor, Palette(11));
    EXPECT_FALSE(h.game.Label_State(Label::NextPlace).Visible);
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...VICTORY !!!"});
    EXPECT_EQ(h.view.recordSelections, (std::vector<int>{0, 0}));
    EXPECT_EQ(h.view.placeGained, 1);
    const auto lines = h.board.Of_Kind(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 49u);
    EXPECT_EQ(lines[0].color, Rgb(200, 200, 220));

    h.Forget();
    h.game.Update_Place(900);
    EXPECT_TRUE(h.view.events.empty());
    EXPECT_TRUE(h.board.calls.empty());
}

TEST(Update_Place, an_equal_score_gains_nothing_and_shows_plus_0)
{
    GameHarness h;
    h.Table({{"Ann", 300}, {"Bob", 200}});
    h.game.Labels[size_t(Label::Position)].Caption = "Place # 3";
    h.game.Update_Place(200);
    EXPECT_EQ(h.game.iPlace, 2);
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +0");
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "Place # 3");
    EXPECT_TRUE(h.view.statistics.empty());
    EXPECT_TRUE(h.view.recordSelections.empty());
    EXPECT_EQ(h.view.placeGained, 0);
    h.game.Update_Place(150);
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +50");
}

TEST(Update_Place, passing_three_places_in_one_call_adds_one_line)
{
    GameHarness h;
    h.Table({{"Ann", 1000}, {"Bob", 300}, {"Cid", 200}, {"Dan", 100}});
    h.game.Update_Place(500);
    EXPECT_EQ(h.game.iPlace, 1);
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...Current place : 2"});
    EXPECT_EQ(h.view.recordSelections, (std::vector<int>{0, 1}));
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "Place # 2");
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +500");
    EXPECT_EQ(h.view.placeGained, 1);

    h.game.Update_Place(600);
    EXPECT_EQ(h.view.statistics.size(), 1u);
    EXPECT_EQ(h.view.recordSelections.size(), 2u);
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +400");
}

TEST(Update_Place, selects_up_to_five_better_entries_above_the_place)
{
    GameHarness h;
    std::vector<std::pair<std::string, double>> table;
    for (int i = 10; i >= 1; --i)
        table.push_back({"P" + std::to_string(i), 100.0 * i});
    h.Table(table);
    h.game.Update_Place(350);
    EXPECT_EQ(h.game.iPlace, 7);
    EXPECT_EQ(h.view.recordSelections, (std::vector<int>{2, 7}));
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...Current place : 8"});
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +50");
}

TEST(Update_Place, compares_with_the_scores_whatever_the_length_of_the_names)
{
    GameHarness h;
    h.Table({{"Alexandra Konstantinova", 5000}, {"Bartholomew12345", 7}});
    h.game.Update_Place(60);
    EXPECT_EQ(h.game.iPlace, 1);
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +4940");
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...Current place : 2"});
    h.game.Update_Place(5001);
    EXPECT_EQ(h.game.iPlace, 0);
}

TEST(Update_Place, shows_the_distance_to_entry_99_and_then_place_99)
{
    GameHarness h;
    std::vector<std::pair<std::string, double>> table;
    for (int i = 0; i < 99; ++i)
        table.push_back({"P" + std::to_string(i), 1000.0 - i});
    h.Table(table);
    ASSERT_EQ(h.game.iPlace, 99);
    h.game.Update_Place(800);
    EXPECT_EQ(h.game.Label_State(Label::NextPlace).Caption, "Next Place : +102");
    EXPECT_TRUE(h.view.statistics.empty());
    h.game.Update_Place(903);
    EXPECT_EQ(h.game.iPlace, 98);
    EXPECT_EQ(h.game.Label_State(Label::Position).Caption, "Place # 99");
    EXPECT_EQ(h.view.statistics, std::vector<std::string>{"...Current place : 99"});
}

TEST(Update_Place, does_nothing_with_an_empty_table)
{
    GameHarness h;
    h.Table({});
    h.game.Update_Place(1000);
    EXPECT_EQ(h.game.iPlace, 0);
    EXPECT_TRUE(h.view.events.empty());
}

TEST(ShowAllResult, appends_the_summary_and_scrolls_to_it)
{
    GameHarness h;
    h.game.iFigureNo = 57;
    h.game.lClicksTotal = 70000;
    h.game.iQuarvexCount = 1;
    h.game.ShowAllResult();
    EXPECT_EQ(h.view.statistics,
              (std::vector<std::string>{"", "*****************", "*** Game Over ***", "*****************",
                                        "Steps = 57", "Clicks = 70000", "Quarvex = 1",
                                        "-----------------"}));
    ASSERT_FALSE(h.view.events.empty());
    EXPECT_EQ(h.view.events.back(), "stat-last");
}
