#include <gtest/gtest.h>

#include <array>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

// Draws of one Quarvex pattern at second 0 after the q draw: one discard, then per
// column a stir value and four cells. Stir values are 0.95 so that a stir taken for
// a cell would fill it.
void Script_Quarvex_Cells(ScriptedRandom& rnd, const std::array<float, 16>& cells)
{
    rnd.Push({0.95f});
    for (int col = 0; col < 4; ++col) {
        rnd.Push({0.95f});
        for (int row = 0; row < 4; ++row)
            rnd.Push({cells[size_t(4 * col + row)]});
    }
}

// Stir, k and q draws of a figure that becomes a Quarvex figure.
void Script_Quarvex_Start(ScriptedRandom& rnd) { rnd.Push({0.95f, 0.1f, 0.5f}); }

const std::array<float, 16> ONE_CELL_PER_COLUMN = {
    0.8f, 0.0f, 0.0f, 0.0f,  0.79999995f, 0.9f, 0.0f, 0.0f,
    0.0f, 0.0f, 0.0f, 0.99f, 0.0f,        0.0f, 0.0f, 0.0f,
};
const char* const ONE_CELL_PER_COLUMN_PATTERN = "1000010000010000";

// The catalogue: pattern text, then the picture of rows 0..3 ("#" filled).
struct Catalogue_Figure {
    const char* pattern;
    const char* rows[4];
};
const Catalogue_Figure CATALOGUE[7] = {
    {"0000111010000000", {".##.", ".#..", ".#..", "...."}},
    {"0000011100010000", {"....", ".#..", ".#..", ".##."}},
    {"0000111100000000", {".#..", ".#..", ".#..", ".#.."}},
    {"0000010001100010", {"....", ".##.", "..##", "...."}},
    {"0000001001100100", {"....", "..##", ".##.", "...."}},
    {"0000001001110000", {"....", "..#.", ".##.", "..#."}},
    {"0000011001100000", {"....", ".##.", ".##.", "...."}},
};
const char* const SUPER_FIGURE = "1001111110011111";

std::string Row_Picture(const FigureArray& arr, int row)
{
    std::string text;
    for (int col = 0; col < 4; ++col)
        text += arr[size_t(col)][size_t(row)] ? '#' : '.';
    return text;
}

} // namespace

TEST(Classic_Pattern, gives_every_figure_and_the_super_figure_the_cells_of_the_catalogue)
{
    GameHarness h;
    for (int n = 0; n < 7; ++n) {
        ASSERT_EQ(Classic_Pattern(n), std::string(CATALOGUE[n].pattern)) << n;
        FigureArray arr{};
        h.game.Initialize_Array_For_Classic(arr, Classic_Pattern(n));
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(Row_Picture(arr, row), CATALOGUE[n].rows[row]) << "figure " << n << " row " << row;
    }
    for (int n : {-1, 7, 255})
        EXPECT_EQ(Classic_Pattern(n), std::string(CATALOGUE[6].pattern)) << n;
    EXPECT_EQ(std::string(SUPER_PATTERN), SUPER_FIGURE);
    FigureArray arr{};
    h.game.Initialize_Array_For_Classic(arr, SUPER_PATTERN);
    const char* const superRows[4] = {"####", ".#.#", ".#.#", "####"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(Row_Picture(arr, row), superRows[row]) << "super figure row " << row;
}

TEST(Choose_Figure, truncates_the_classic_draw_and_clears_the_previous_Quarvex_result)
{
    GameHarness h;
    h.game.btKinds = 7;
    h.game.bChosenQuarvex = true;
    h.game.lChosenBonus = 40000;
    h.rnd.Push({0.0f, 0.55f, 0.0f}); // 0.55 * 7 = 3.85
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(3));
    EXPECT_FALSE(h.game.bChosenQuarvex);
    EXPECT_EQ(h.game.lChosenBonus, 0);
    EXPECT_EQ(h.rnd.draws, 3);
}

TEST(Choose_Figure, gives_the_bar_for_the_eighth_outcome_only_when_btKinds_is_8)
{
    GameHarness h;
    h.game.btKinds = 8;
    h.rnd.Push({0.0f, 0.9f, 0.0f}); // 7.2
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(2));
    h.game.btKinds = 7;
    h.rnd.Push({0.0f, 0.9f, 0.0f}); // 6.3
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(6));
    h.game.btKinds = 8;
    h.rnd.Push({0.0f, 0.8f, 0.0f}); // 6.4
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(6));
}

TEST(Choose_Figure, stirs_by_the_clock_second_before_the_classic_draw)
{
    GameHarness h;
    h.clock.second = 3;
    h.game.btKinds = 7;
    h.rnd.Push_Repeated(0.9f, 7);
    h.rnd.Push({0.3f, 0.0f}); // k = 2, q = 0
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(2));
    EXPECT_EQ(h.rnd.draws, 9);
}

TEST(Choose_Figure, makes_a_Quarvex_figure_when_q_is_25_in_the_order_stir_k_q_cells_bonus)
{
    GameHarness h;
    h.game.btKinds = 7;
    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, ONE_CELL_PER_COLUMN);
    h.rnd.Push({0.5f, 0.77f}); // bonus draw, then a value that must stay queued
    EXPECT_EQ(h.game.Choose_Figure(), ONE_CELL_PER_COLUMN_PATTERN);
    EXPECT_TRUE(h.game.bChosenQuarvex);
    EXPECT_EQ(h.game.lChosenBonus, 40000); // 40000.5 rounds to the even neighbour
    EXPECT_EQ(h.rnd.draws, 25);
    EXPECT_EQ(h.rnd.Queued(), 1u);
}

TEST(Choose_Figure, keeps_classic_figures_when_q_is_not_25)
{
    GameHarness h;
    h.game.btKinds = 7;
    for (float q : {0.49f, 0.53f, 0.0f, 0.99f}) {
        h.rnd.Push({0.0f, 0.0f, q});
        EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(0)) << q;
        EXPECT_FALSE(h.game.bChosenQuarvex) << q;
    }
    h.rnd.Push({0.0f, 0.0f, 0.5199f});
    h.rnd.Push_Repeated(0.0f, 21);
    h.game.Choose_Figure();
    EXPECT_TRUE(h.game.bChosenQuarvex) << "q = Floor(0.5199 * 50) = 25";
}

TEST(Choose_Figure, turns_an_empty_Quarvex_pattern_into_the_super_figure_without_a_bonus_draw)
{
    GameHarness h;
    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, {});
    h.rnd.Push({0.77f});
    EXPECT_EQ(h.game.Choose_Figure(), SUPER_FIGURE);
    EXPECT_TRUE(h.game.bChosenQuarvex);
    EXPECT_EQ(h.game.lChosenBonus, 250000);
    EXPECT_EQ(h.rnd.draws, 24);
    EXPECT_EQ(h.rnd.Queued(), 1u);
}

TEST(Choose_Figure, keeps_the_Quarvex_bonus_between_30000_and_50001)
{
    GameHarness h;
    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, ONE_CELL_PER_COLUMN);
    h.rnd.Push({0.0f});
    h.game.Choose_Figure();
    EXPECT_EQ(h.game.lChosenBonus, 30000);

    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, ONE_CELL_PER_COLUMN);
    h.rnd.Push({0.99999994f});
    h.game.Choose_Figure();
    EXPECT_EQ(h.game.lChosenBonus, 50001);
}

TEST(Choose_Figure, gives_a_full_Quarvex_pattern_its_drawn_bonus_not_the_super_bonus)
{
    GameHarness h;
    std::array<float, 16> all{};
    all.fill(0.9f);
    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, all);
    h.rnd.Push({0.25f}); // 35000.25
    EXPECT_EQ(h.game.Choose_Figure(), "1111111111111111");
    EXPECT_EQ(h.game.lChosenBonus, 35000);
}

TEST(Choose_Figure, takes_figures_from_the_sequence_in_turn_without_Quarvex_figures)
{
    GameHarness h;
    h.game.bUseSequence = true;
    for (uint8_t n : {2, 0, 5})
        h.game.objSeq.PutItem(n);
    h.rnd.defaultValue = 0.5f; // a q draw would make a Quarvex figure
    for (int n : {2, 0, 5, 2}) {
        h.game.lChosenBonus = 123;
        EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(n));
        EXPECT_FALSE(h.game.bChosenQuarvex);
        EXPECT_EQ(h.game.lChosenBonus, 0);
    }
    EXPECT_EQ(h.rnd.draws, 4) << "only the stir is drawn in sequence mode";
}

TEST(Choose_Figure, gives_figure_0_for_an_empty_sequence_and_figure_6_beyond_5)
{
    GameHarness h;
    h.game.bUseSequence = true;
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(0));
    h.game.objSeq.PutItem(9);
    h.game.objSeq.PutItem(6);
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(6));
    EXPECT_EQ(h.game.Choose_Figure(), Classic_Pattern(6));
}

TEST(Initialize_Array_For_Quarvex, discards_second_plus_one_and_stirs_before_each_column)
{
    GameHarness h;
    h.clock.second = 2;
    h.rnd.Push_Repeated(0.95f, 3);
    const std::array<float, 4> cells[4] = {
        {0.9f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},
        {0.0f, 0.85f, 0.85f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.8f}};
    for (const auto& col : cells) {
        h.rnd.Push_Repeated(0.95f, 5);
        for (float c : col)
            h.rnd.Push({c});
    }
    h.rnd.Push({0.77f});
    Pattern p = "1111111111111111";
    h.game.Initialize_Array_For_Quarvex(p);
    EXPECT_EQ(p, "1000000001100001");
    EXPECT_EQ(h.rnd.draws, 39);
}

TEST(Initialize_Array_For_Classic, fills_column_by_column_and_counts_the_cells)
{
    GameHarness h;
    FigureArray arr{};
    for (auto& col : arr)
        col.fill(true);
    h.game.iCells = 3;
    h.game.Initialize_Array_For_Classic(arr, Classic_Pattern(0)); // .##. / .#.. / .#..
    EXPECT_EQ(Pattern_Of(arr), Classic_Pattern(0));
    EXPECT_TRUE(arr[1][0] && arr[1][1] && arr[1][2] && arr[2][0]);
    EXPECT_FALSE(arr[2][1]);
    EXPECT_FALSE(arr[0][0]);
    EXPECT_EQ(h.game.iCells, 7);
    h.game.Initialize_Array_For_Classic(arr, SUPER_PATTERN);
    EXPECT_EQ(h.game.iCells, 19);
    h.game.Initialize_Array_For_Classic(arr, "0000000000000100");
    EXPECT_EQ(h.game.iCells, 20);
}

TEST(Shift_Queue, moves_every_figure_up_and_draws_a_new_fifth)
{
    GameHarness h;
    h.game.btKinds = 7;
    for (int i = 1; i <= 5; ++i)
        h.game.arrQueue[size_t(i)] = FigureRecord{Classic_Pattern(i), i == 3 ? 34565 : 0, i == 3};
    h.rnd.Push({0.0f, 0.6f, 0.0f}); // figure 4
    h.game.Shift_Queue();
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(h.game.arrQueue[size_t(i)].Pattern, Classic_Pattern(i + 1)) << i;
    EXPECT_TRUE(h.game.arrQueue[2].IsQuarvex);
    EXPECT_EQ(h.game.arrQueue[2].Bonus, 34565);
    EXPECT_FALSE(h.game.arrQueue[3].IsQuarvex);
    EXPECT_EQ(h.game.arrQueue[5].Pattern, Classic_Pattern(4));
    EXPECT_EQ(h.game.arrQueue[5].Bonus, 0);
    EXPECT_FALSE(h.game.arrQueue[5].IsQuarvex);
}

TEST(Shift_Queue, stores_the_Quarvex_result_with_its_bonus_in_the_fifth_entry)
{
    GameHarness h;
    Script_Quarvex_Start(h.rnd);
    Script_Quarvex_Cells(h.rnd, ONE_CELL_PER_COLUMN);
    h.rnd.Push({0.0f});
    h.game.Shift_Queue();
    EXPECT_EQ(h.game.arrQueue[5].Pattern, ONE_CELL_PER_COLUMN_PATTERN);
    EXPECT_TRUE(h.game.arrQueue[5].IsQuarvex);
    EXPECT_EQ(h.game.arrQueue[5].Bonus, 30000);
}
