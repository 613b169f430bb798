#include <gtest/gtest.h>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::string BAR = Classic_Pattern(2);            // box column 1, rows 0..3
const std::string LYING_BAR = "0100010001000100";      // box row 1, columns 0..3
const std::string FIGURE_0 = Classic_Pattern(0);        // (1,0) (1,1) (1,2) (2,0)
const std::string ONE_CELL = "1000000000000000";
const std::string BOTTOM_ROW = "0001000100010001";

} // namespace

TEST(Enable_Move_Left_Right, stops_the_bar_at_columns_4_and_18)
{
    GameHarness h;
    h.Falling(BAR, 4);
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(0));
    h.Falling(BAR, 3);
    EXPECT_FALSE(h.game.Enable_Move_Left_Right(0));
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(2));
    h.Falling(BAR, 16);
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(2));
    h.Falling(BAR, 17);
    EXPECT_FALSE(h.game.Enable_Move_Left_Right(2));
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(0));
}

TEST(Enable_Move_Left_Right, refuses_an_occupied_cell_beside_a_figure_cell_only)
{
    GameHarness h;
    h.Falling(BAR, 9, 5); // cells (10, 5..8)
    h.game.arrBoard[8][6] = true; // under the empty box column after a move left
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(0));
    h.game.arrBoard[9][8] = true;
    EXPECT_FALSE(h.game.Enable_Move_Left_Right(0));
    h.game.arrBoard[11][9] = true; // below the figure's rows
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(2));
    h.game.arrBoard[11][5] = true;
    EXPECT_FALSE(h.game.Enable_Move_Left_Right(2));
}

TEST(Rotate_Figure, turns_the_box_a_quarter_clockwise)
{
    GameHarness h;
    h.Falling(FIGURE_0, 9, 5);
    h.game.Rotate_Figure();
    // The top row .##. becomes the right column.
    EXPECT_EQ(Pattern_Of(h.game.arrFig), "0000010001000110");
}

TEST(Rotate_Figure, gives_the_figure_back_after_four_turns_and_changes_the_super_figure)
{
    GameHarness h;
    for (const std::string& p : {FIGURE_0, std::string(Classic_Pattern(3)), std::string(SUPER_PATTERN)}) {
        h.Falling(p, 9, 5);
        h.game.Rotate_Figure();
        if (p == SUPER_PATTERN) {
            EXPECT_NE(Pattern_Of(h.game.arrFig), p);
        }
        h.game.Rotate_Figure();
        h.game.Rotate_Figure();
        h.game.Rotate_Figure();
        EXPECT_EQ(Pattern_Of(h.game.arrFig), p);
    }
}

TEST(Rotate_Figure, refuses_to_stand_a_lying_bar_up_below_the_bottom_row)
{
    GameHarness h;
    h.Falling(LYING_BAR, 9, 29); // lies on row 30
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), LYING_BAR);
    h.Falling(LYING_BAR, 9, 27);
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), "0000000011110000");
}

TEST(Rotate_Figure, refuses_a_turn_into_the_walls_or_onto_occupied_cells)
{
    GameHarness h;
    h.Falling(BAR, 3, 5); // turned cells would reach column 3
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), BAR);
    h.Falling(BAR, 16, 5); // turned cells would reach column 19
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), BAR);
    h.Falling(BAR, 15, 5);
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), LYING_BAR);

    h.Falling(BAR, 9, 5);
    h.game.arrBoard[12][6] = true;
    h.game.Rotate_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), BAR);
}

TEST(Enable_Move_Down, stops_a_cell_on_row_30)
{
    GameHarness h;
    h.Falling(ONE_CELL, 9, 29);
    EXPECT_TRUE(h.game.Enable_Move_Down());
    h.Falling(ONE_CELL, 9, 30);
    EXPECT_FALSE(h.game.Enable_Move_Down());
    h.Falling(LYING_BAR, 9, 29);
    EXPECT_FALSE(h.game.Enable_Move_Down());
}

TEST(Enable_Move_Down, stops_the_figure_when_any_cell_rests_on_the_board)
{
    GameHarness h;
    h.Falling(FIGURE_0, 9, 5); // cells (10,5) (10,6) (10,7) (11,5)
    h.game.arrBoard[10][9] = true;
    EXPECT_TRUE(h.game.Enable_Move_Down());
    h.game.arrBoard[11][6] = true; // under the short arm only
    EXPECT_FALSE(h.game.Enable_Move_Down());
}

TEST(Enable_Inverse, refuses_a_box_reaching_column_3_or_19_wherever_the_cells_are)
{
    GameHarness h;
    h.Falling("0000000000001111", 3, 5); // cells in box column 3 only
    EXPECT_FALSE(h.game.Enable_Inverse());
    h.Falling(ONE_CELL, 16, 5);
    EXPECT_FALSE(h.game.Enable_Inverse());
    h.Falling(ONE_CELL, 4, 5);
    EXPECT_TRUE(h.game.Enable_Inverse());
    h.Falling(ONE_CELL, 15, 5);
    EXPECT_TRUE(h.game.Enable_Inverse());
}

TEST(Enable_Inverse, refuses_when_any_cell_under_the_box_is_occupied)
{
    GameHarness h;
    h.Falling(BAR, 9, 5);
    h.game.arrBoard[12][8] = true; // under an empty box cell
    EXPECT_FALSE(h.game.Enable_Inverse());
    h.game.arrBoard[12][8] = false;
    h.game.arrBoard[13][8] = true; // beside the box
    EXPECT_TRUE(h.game.Enable_Inverse());
}

TEST(Enable_Inverse, refuses_an_inverted_figure_reaching_below_row_30)
{
    GameHarness h;
    h.Falling(BAR, 9, 27);
    EXPECT_TRUE(h.game.Enable_Inverse());
    h.Falling(BAR, 9, 28); // inverted cells would lie in row 31
    EXPECT_FALSE(h.game.Enable_Inverse());
    h.Falling(BOTTOM_ROW, 9, 28); // inverted, row 3 of the box is empty
    EXPECT_TRUE(h.game.Enable_Inverse());
}

TEST(Enable_Inverse, refuses_to_empty_a_full_box)
{
    GameHarness h;
    h.Falling("1111111111111111", 9, 5);
    EXPECT_FALSE(h.game.Enable_Inverse());
    h.Falling("1111111111111110", 9, 5);
    EXPECT_TRUE(h.game.Enable_Inverse());
}

TEST(Inverse_Figure, swaps_every_cell_of_the_box_and_plays_the_inversion_sound)
{
    GameHarness h;
    h.Falling(FIGURE_0, 9, 5);
    h.game.Inverse_Figure();
    EXPECT_EQ(Pattern_Of(h.game.arrFig), "1111000101111111");
    EXPECT_EQ(h.view.sounds, std::vector<Channel>{Channel::Inverse1});
    const CanvasCall* c = h.board.Board_Cell(9, 5);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->kind, CanvasCall::Outline);
    EXPECT_EQ(c->color, Rgb(0, 255, 255));
}

TEST(Update_Array_C, copies_the_filled_cells_and_keeps_the_board_under_empty_ones)
{
    GameHarness h;
    h.Falling(FIGURE_0, 9, 27);
    h.game.arrBoard[9][28] = true;
    h.game.cmdDownEnabled = false;
    h.game.Update_Array_C();
    EXPECT_TRUE(h.game.arrBoard[10][27] && h.game.arrBoard[10][28] && h.game.arrBoard[10][29] &&
                h.game.arrBoard[11][27]);
    EXPECT_TRUE(h.game.arrBoard[9][28]);
    EXPECT_FALSE(h.game.arrBoard[11][28]);
    int occupied = 0;
    for (const auto& col : h.game.arrBoard)
        for (bool cell : col)
            occupied += cell;
    EXPECT_EQ(occupied, 5);
    EXPECT_TRUE(h.game.cmdDownEnabled);
}

TEST(GameOver, answers_true_when_one_figure_cell_meets_one_occupied_cell)
{
    GameHarness h;
    h.Falling(FIGURE_0, 9, 0);
    h.game.arrBoard[9][3] = true; // under an empty box cell
    h.game.arrBoard[12][0] = true;
    EXPECT_FALSE(h.game.GameOver());
    h.game.arrBoard[11][0] = true; // under the short arm; the figure could still move left
    EXPECT_TRUE(h.game.Enable_Move_Left_Right(0));
    EXPECT_TRUE(h.game.GameOver());
}
