#include "game/GameCore.h"

namespace qv {

bool GameCore::Enable_Move_Left_Right(int16_t index) const
{
    const int nx = btX + index - 1;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!arrFig[i][j])
                continue;
            const int col = nx + i;
            if (col < 4 || col > btMaxX - 4)
                return false;
            if (arrBoard[col][btY + j])
                return false;
        }
    return true;
}

void GameCore::Rotate_Figure()
{
    FigureArray T{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            T[3 - j][i] = arrFig[i][j];
    if (Enable_Rotate(T))
        arrFig = T;
}

bool GameCore::Enable_Rotate(const FigureArray& T) const
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!T[i][j])
                continue;
            const int col = btX + i, row = btY + j;
            if (col <= 3 || col >= btMaxX - 3 || row > btMaxY - 4)
                return false;
            if (arrBoard[col][row])
                return false;
        }
    return true;
}

bool GameCore::Enable_Move_Down() const
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            if (!arrFig[i][j])
                continue;
            if (btY + j >= btMaxY - 4)
                return false;
            if (arrBoard[btX + i][btY + j + 1])
                return false;
        }
    return true;
}

// Besides the box columns and the board under the box, an inversion is refused
// when a cell it fills would lie below the bottom row, and when it would leave
// the box empty: either figure could never land inside the board.
bool GameCore::Enable_Inverse() const
{
    if (btX <= 3 || btX >= 16)
        return false;
    bool anyEmpty = false;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const int row = btY + j;
            if (!arrFig[i][j]) {
                anyEmpty = true;
                if (row > btMaxY - 4)
                    return false;
            }
            if (row <= btMaxY && arrBoard[btX + i][row])
                return false;
        }
    return anyEmpty;
}

void GameCore::Inverse_Figure()
{
    for (auto& column : arrFig)
        for (auto& cell : column)
            cell = !cell;
    Draw_Figure();
    Play(Channel::Inverse1);
}

void GameCore::Update_Array_C()
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (arrFig[i][j])
                arrBoard[btX + i][btY + j] = true;
    cmdDownEnabled = true;
    view_.Buttons_Changed();
}

bool GameCore::GameOver() const
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (arrFig[i][j] && arrBoard[btX + i][btY + j])
                return true;
    return false;
}

} // namespace qv
