#include "game/GameCore.h"

namespace qv {

namespace {
const Color LANDED = Rgb(255, 255, 0);
const Color FALLING = Rgb(0, 255, 255);
const Color WHITE = Rgb(255, 255, 255);

// Corner of board cell (col, row) in the board picture's units.
double Cell_X(int col) { return (col - 4) * 250.0; }
double Cell_Y(int row) { return row * 250.0; }
} // namespace

void GameCore::Draw_Cell(ICanvas& c, int col, int row, Color border)
{
    c.OutlineBox(Cell_X(col) + 28, Cell_Y(row) + 28, Cell_X(col) + 222, Cell_Y(row) + 222, border);
}

void GameCore::Erase_Cell(ICanvas& c, int col, int row)
{
    c.FilledBox(Cell_X(col) + 28, Cell_Y(row) + 28, Cell_X(col) + 222, Cell_Y(row) + 222, c.BackColor());
}

void GameCore::Draw_Board()
{
    board_->Clear();
    for (int col = 4; col <= btMaxX - 4; ++col)
        for (int row = 0; row <= btMaxY - 4; ++row)
            if (arrBoard[col][row])
                Draw_Cell(*board_, col, row, LANDED);
}

void GameCore::Draw_Figure()
{
    const int c0 = btX > btMaxX - 4 ? btX : btX - 1;
    const int r0 = btY == 0 ? 0 : btY - 1;
    for (int col = c0; col <= c0 + 5 && col <= btMaxX; ++col)
        for (int row = r0; row <= r0 + 4 && row <= btMaxY; ++row) {
            const bool inBox = col >= btX && col <= btX + 3 && row >= btY && row <= btY + 3;
            if (inBox && arrFig[col - btX][row - btY])
                Draw_Cell(*board_, col, row, FALLING);
            else if (col >= 0 && !arrBoard[col][row] && col >= 3 && col <= btMaxX - 3)
                Erase_Cell(*board_, col, row);
        }
}

void GameCore::Draw_Grid()
{
    if (!bDrawSetka)
        return;
    const int v = iPlace < 1 ? 200 : 175;
    const Color c = Rgb(v, v, 220);
    for (int16_t x : iGridX)
        board_->Line(x, 0, x, 7750, c);
    for (int16_t y : iGridY)
        board_->Line(0, y, 4000, y, c);
}

void GameCore::Draw_Next()
{
    next_->SetFillColor(NextFillColor);
    next_->Clear();
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            if (arrNext[col][row])
                next_->OutlineBox(250 * col + 58, 250 * row + 58, 250 * col + 252, 250 * row + 252, ColorFigura);
}

void GameCore::Draw_Future()
{
    future_->Clear();
    if (bUseSequence)
        future_->FilledBox(10, 10, 100, 100, Rgb(255, 0, 0));
    const double k = double(1.0f / 1.3f);
    for (int e = 3; e <= 5; ++e) {
        const double d = (e - 3) * 1200.0;
        const Pattern& p = arrQueue[e].Pattern;
        for (int col = 1; col <= 4; ++col)
            for (int row = 1; row <= 4; ++row) {
                const size_t n = size_t((col - 1) * 4 + row - 1);
                const bool filled = n < p.size() && p[n] == '1';
                future_->OutlineBox(k * (d + 250 * col + 28) - 50, k * (250 * row + 28) - 100,
                                    k * (d + 250 * col + 222) - 50, k * (250 * row + 222) - 100,
                                    filled ? Palette(15) : Rgb(20, 150, 150));
            }
    }
}

void GameCore::Update_Phantom()
{
    const int mode = iFantomReplay >= 0 ? iFantomReplay : iFantom;
    if (mode == 0 || (mode == 1 && !arrQueue[1].IsQuarvex))
        return;
    for (int16_t py = btY; py <= btMaxY - 4; ++py) {
        bool lands = false;
        for (int i = 0; i < 4 && !lands; ++i)
            for (int j = 0; j < 4 && !lands; ++j)
                if (arrFig[i][j] && (py + j >= btMaxY - 4 || arrBoard[btX + i][py + j + 1]))
                    lands = true;
        if (lands) {
            Erase_Phantom(btX, py);
            Draw_Phantom(btX, py);
            return;
        }
    }
}

void GameCore::Erase_Phantom(int16_t px, int16_t py)
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int col = btPhantomX + i, row = btPhantomY + j;
            if (col > btMaxX || row > btMaxY)
                continue;
            if (arrBoard[col][row])
                Draw_Cell(*board_, col, row, LANDED);
            else
                Erase_Cell(*board_, col, row);
        }
    btPhantomX = uint8_t(px);
    btPhantomY = uint8_t(py);
}

void GameCore::Draw_Phantom(int16_t px, int16_t py)
{
    const double r1 = rnd_.Rnd(), r2 = rnd_.Rnd(), r3 = rnd_.Rnd();
    const Color c = RgbNearest(r1 * 105 + 200, r2 * 55 + 200, r3 * 55 + 200);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!arrFig[i][j])
                continue;
            const double x = Cell_X(px + i), y = Cell_Y(py + j);
            board_->FilledBox(x + 28, y + 28, x + 222, y + 222, c);
            board_->FilledBox(x + 47.6, y + 47.6, x + 202.4, y + 202.4, WHITE);
        }
}

} // namespace qv
