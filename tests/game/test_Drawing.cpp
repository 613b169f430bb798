#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "support/GameHarness.h"

using namespace qv;
using namespace qv::test;

namespace {

const std::string BAR = Classic_Pattern(2);    // box column 1, rows 0..3
const std::string SQUARE = Classic_Pattern(6); // (1,1) (2,1) (1,2) (2,2)
const Color CYAN = Rgb(0, 255, 255);
const Color YELLOW = Rgb(255, 255, 0);
const Color WHITE = Rgb(255, 255, 255);

using Cell = std::pair<int, int>;

// Board cell whose 194-unit box a call covers exactly; (-1, -1) otherwise.
Cell Cell_Of(const CanvasCall& c)
{
    for (int col = 0; col <= 22; ++col)
        for (int row = 0; row <= 34; ++row)
            if (c.x1 == Cell_X(col) + 28 && c.y1 == Cell_Y(row) + 28 && c.x2 == Cell_X(col) + 222 &&
                c.y2 == Cell_Y(row) + 222)
                return {col, row};
    return {-1, -1};
}

std::set<Cell> Cells_Drawn(const RecordingCanvas& canvas, CanvasCall::Kind kind, Color color)
{
    std::set<Cell> cells;
    for (const auto& c : canvas.Of_Kind(kind))
        if (c.color == color)
            cells.insert(Cell_Of(c));
    return cells;
}

size_t Boxes(const RecordingCanvas& canvas)
{
    return canvas.Of_Kind(CanvasCall::Outline).size() + canvas.Of_Kind(CanvasCall::Filled).size();
}

std::set<Cell> Region(int c0, int c1, int r0, int r1)
{
    std::set<Cell> cells;
    for (int col = c0; col <= c1; ++col)
        for (int row = r0; row <= r1; ++row)
            cells.insert({col, row});
    return cells;
}

} // namespace

TEST(Draw_Figure, draws_the_figure_and_erases_the_free_cells_of_its_6_by_5_region)
{
    GameHarness h;
    h.Falling(SQUARE, 9, 5);
    h.game.arrBoard[12][8] = true; // inside the region
    h.game.arrBoard[14][5] = true; // beside it
    h.game.Draw_Figure();
    const std::set<Cell> figure = {{10, 6}, {11, 6}, {10, 7}, {11, 7}};
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Outline, CYAN), figure);
    std::set<Cell> erased = Region(8, 13, 4, 8);
    for (const Cell& c : figure)
        erased.erase(c);
    erased.erase({12, 8});
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Filled, h.board.BackColor()), erased);
    EXPECT_EQ(Boxes(h.board), figure.size() + erased.size());
    const CanvasCall* c = h.board.Board_Cell(10, 6);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x1, 1528);
    EXPECT_EQ(c->y1, 1528);
    EXPECT_EQ(c->x2, 1722);
    EXPECT_EQ(c->y2, 1722);
}

TEST(Draw_Figure, starts_at_row_0_at_the_top_and_never_erases_beyond_column_3)
{
    GameHarness h;
    h.Falling(BAR, 3, 0); // cells (4, 0..3); region columns 2..7, rows 0..4
    h.game.Draw_Figure();
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Outline, CYAN), Region(4, 4, 0, 3));
    std::set<Cell> erased = Region(3, 7, 0, 4);
    for (const Cell& c : Region(4, 4, 0, 3))
        erased.erase(c);
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Filled, h.board.BackColor()), erased);
    EXPECT_EQ(Boxes(h.board), 4 + erased.size());
}

TEST(Draw_Board, clears_and_draws_only_the_occupied_playfield_cells_in_yellow)
{
    GameHarness h;
    h.game.arrBoard[4][0] = true;
    h.game.arrBoard[18][30] = true;
    h.game.arrBoard[3][10] = true;  // margin column
    h.game.arrBoard[10][31] = true; // margin row
    h.game.Draw_Board();
    ASSERT_FALSE(h.board.calls.empty());
    EXPECT_EQ(h.board.calls.front().kind, CanvasCall::Clear);
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Outline, YELLOW), (std::set<Cell>{{4, 0}, {18, 30}}));
    EXPECT_EQ(h.board.Of_Kind(CanvasCall::Outline).size(), 2u);
    EXPECT_TRUE(h.board.Of_Kind(CanvasCall::Filled).empty());
}

TEST(Draw_Grid, uses_the_first_place_colour_only_at_first_place)
{
    GameHarness h;
    h.game.iPlace = 1;
    h.game.Draw_Grid();
    auto lines = h.board.Of_Kind(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 49u);
    for (const auto& l : lines)
        EXPECT_EQ(l.color, Rgb(175, 175, 220));
    EXPECT_EQ(lines[0].x1, 0);
    EXPECT_EQ(lines[16].x1, 4000);
    EXPECT_EQ(lines[16].y2, 7750);
    EXPECT_EQ(lines[17].y1, 0);
    EXPECT_EQ(lines[48].y1, 7750);
    EXPECT_EQ(lines[48].x2, 4000);
    EXPECT_EQ(lines[5].x1, lines[5].x2);
    EXPECT_EQ(lines[20].y1, lines[20].y2);

    h.Forget();
    h.game.iPlace = 0;
    h.game.Draw_Grid();
    lines = h.board.Of_Kind(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 49u);
    for (const auto& l : lines)
        EXPECT_EQ(l.color, Rgb(200, 200, 220));
}

TEST(Draw_Grid, draws_nothing_with_the_grid_switched_off)
{
    GameHarness h;
    h.game.bDrawSetka = false;
    h.game.Draw_Grid();
    EXPECT_TRUE(h.board.calls.empty());
}

TEST(Update_Phantom, shows_the_phantom_only_as_iFantom_says)
{
    struct Case { uint8_t fantom; bool quarvex; bool shown; };
    for (Case c : {Case{0, true, false}, Case{0, false, false}, Case{1, false, false},
                   Case{1, true, true}, Case{2, false, true}}) {
        GameHarness h;
        h.game.iFantom = c.fantom;
        h.Falling(BAR, 9, 0, c.quarvex, c.quarvex ? 40000 : 0);
        h.game.Update_Phantom();
        EXPECT_EQ(h.rnd.draws, c.shown ? 3 : 0) << int(c.fantom) << c.quarvex;
        EXPECT_EQ(h.board.calls.empty(), !c.shown) << int(c.fantom) << c.quarvex;
    }
}

TEST(Update_Phantom, draws_a_pale_box_with_a_white_inside_where_the_figure_would_land)
{
    GameHarness h;
    h.game.iFantom = 2;
    h.Falling(BAR, 9, 0);
    h.game.arrBoard[10][21] = true;
    h.rnd.Push({0.99f, 0.5f, 0.0f}); // 303.95 held to 255, 227.5 to even, 200
    h.game.Update_Phantom();
    EXPECT_EQ(h.game.btPhantomX, 9);
    EXPECT_EQ(h.game.btPhantomY, 17);
    const Color pale = Rgb(255, 228, 200);
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Filled, pale), Region(10, 10, 17, 20));
    int inner = 0;
    for (const auto& c : h.board.Of_Kind(CanvasCall::Filled)) {
        if (c.color != WHITE)
            continue;
        ++inner;
        EXPECT_NEAR(c.x1, Cell_X(10) + 47.6, 1e-9);
        EXPECT_NEAR(c.x2, Cell_X(10) + 202.4, 1e-9);
    }
    EXPECT_EQ(inner, 4);
    const CanvasCall* top = h.board.Board_Cell(10, 18);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->color, WHITE);
}

TEST(Update_Phantom, erases_the_old_phantom_box_and_redraws_its_board_cells_in_yellow)
{
    GameHarness h;
    h.game.iFantom = 2;
    h.game.arrBoard[11][29] = true;
    h.Falling(BAR, 9, 0);
    h.game.Update_Phantom();
    ASSERT_EQ(h.game.btPhantomY, 27);
    h.board.Forget();
    h.game.btX = 5;
    h.game.Update_Phantom();
    const CanvasCall* board = h.board.Board_Cell(11, 29);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->kind, CanvasCall::Outline);
    EXPECT_EQ(board->color, YELLOW);
    std::set<Cell> erased = Region(9, 12, 27, 30);
    erased.erase({11, 29});
    EXPECT_EQ(Cells_Drawn(h.board, CanvasCall::Filled, h.board.BackColor()), erased);
    EXPECT_EQ(h.game.btPhantomX, 5);
    const CanvasCall* phantom = h.board.Board_Cell(6, 28);
    ASSERT_NE(phantom, nullptr);
    EXPECT_EQ(phantom->color, WHITE);
}

TEST(Draw_Future, marks_sequence_mode_and_shows_three_full_4_by_4_blocks)
{
    GameHarness h;
    h.game.bUseSequence = true;
    h.game.arrQueue[3].Pattern = Classic_Pattern(2);
    h.game.arrQueue[4].Pattern = SUPER_PATTERN;
    h.game.arrQueue[5].Pattern = "1000000000000000";
    h.game.Draw_Future();
    const auto calls = h.future.Since_Clear();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(h.future.Clears(), 1);
    const auto filled = h.future.Of_Kind(CanvasCall::Filled);
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].color, Rgb(255, 0, 0));
    EXPECT_EQ(filled[0].x1, 10);
    EXPECT_EQ(filled[0].y2, 100);

    const auto boxes = h.future.Of_Kind(CanvasCall::Outline);
    ASSERT_EQ(boxes.size(), 48u);
    int white[3] = {0, 0, 0};
    for (const auto& b : boxes) {
        const int entry = b.x1 < 900 ? 0 : (b.x1 < 1800 ? 1 : 2);
        if (b.color == WHITE)
            ++white[entry];
        else
            EXPECT_EQ(b.color, Rgb(20, 150, 150));
    }
    EXPECT_EQ(white[0], 4);
    EXPECT_EQ(white[1], 12);
    EXPECT_EQ(white[2], 1);
    const double k = 1.0 / 1.3;
    const CanvasCall* first = h.future.Top_Box_At(k * (250 + 125) - 50, k * (250 + 125) - 100);
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->x1, k * 278 - 50, 0.01);
    EXPECT_NEAR(first->y1, k * 278 - 100, 0.01);
    EXPECT_NEAR(first->x2, k * 472 - 50, 0.01);
    const CanvasCall* last = h.future.Top_Box_At(k * (2400 + 1000 + 125) - 50, k * (1000 + 125) - 100);
    ASSERT_NE(last, nullptr);
    EXPECT_NEAR(last->x1, k * (2400 + 1028) - 50, 0.01);
    EXPECT_EQ(last->color, Rgb(20, 150, 150));
}

TEST(Draw_Future, draws_no_mark_outside_sequence_mode)
{
    GameHarness h;
    h.game.Draw_Future();
    EXPECT_TRUE(h.future.Of_Kind(CanvasCall::Filled).empty());
    EXPECT_EQ(h.future.Of_Kind(CanvasCall::Outline).size(), 48u);
}

TEST(Draw_Next, outlines_a_classic_figure_in_white_on_purple)
{
    GameHarness h;
    h.Next(Classic_Pattern(0));
    h.game.Prepare_Next_Figure(Classic_Pattern(0));
    h.game.Draw_Next();
    ASSERT_EQ(h.next.Clears(), 1);
    const auto boxes = h.next.Of_Kind(CanvasCall::Outline);
    ASSERT_EQ(boxes.size(), 4u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.color, WHITE);
        EXPECT_EQ(b.fill, Rgb(150, 52, 152));
    }
    const CanvasCall* c = h.next.Top_Box_At(250 * 2 + 150, 250 * 0 + 150); // cell (2, 0)
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->x1, 558);
    EXPECT_EQ(c->y1, 58);
    EXPECT_EQ(c->x2, 752);
    EXPECT_EQ(c->y2, 252);
    EXPECT_EQ(h.next.Top_Box_At(250 * 2 + 150, 250 * 1 + 150), nullptr);
}

TEST(Draw_Next, outlines_the_super_figure_in_blue_on_white)
{
    GameHarness h;
    h.Next(SUPER_PATTERN, true, SUPER_BONUS);
    h.game.Prepare_Next_Figure(SUPER_PATTERN);
    h.game.Draw_Next();
    const auto boxes = h.next.Of_Kind(CanvasCall::Outline);
    ASSERT_EQ(boxes.size(), 12u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.color, Rgb(0, 0, 255));
        EXPECT_EQ(b.fill, WHITE);
    }
}

TEST(Draw_Next, outlines_a_Quarvex_figure_in_red_on_white)
{
    GameHarness h;
    h.Next("1000010000100001", true, 40000);
    h.game.Prepare_Next_Figure("1000010000100001");
    h.game.Draw_Next();
    const auto boxes = h.next.Of_Kind(CanvasCall::Outline);
    ASSERT_EQ(boxes.size(), 4u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.color, Rgb(255, 0, 0));
        EXPECT_EQ(b.fill, WHITE);
    }
}
