#include "game/GameCore.h"

namespace qv {

Pattern GameCore::Choose_Figure()
{
    Stir_Random(rnd_, clock_);
    lChosenBonus = 0;
    if (bUseSequence) {
        bChosenQuarvex = false;
        return Classic_Pattern(objSeq.Head());
    }
    const int k = Trunc(double(rnd_.Rnd()) * btKinds);
    Pattern p = Classic_Pattern(k == 7 ? 2 : k);
    bChosenQuarvex = false;
    if (Floor(double(rnd_.Rnd()) * 50) != 25)
        return p;
    Initialize_Array_For_Quarvex(p);
    bChosenQuarvex = true;
    if (p == SUPER_PATTERN)
        lChosenBonus = SUPER_BONUS;
    else
        lChosenBonus = Nearest(double(rnd_.Rnd()) * 20001 + 30000);
    return p;
}

void GameCore::Initialize_Array_For_Quarvex(Pattern& strQuarvex)
{
    const int discard = clock_.Seconds() + 1;
    for (int i = 0; i < discard; ++i)
        rnd_.Rnd();
    strQuarvex.clear();
    uint8_t filled = 0;
    for (int col = 0; col < 4; ++col) {
        Stir_Random(rnd_, clock_);
        for (int row = 0; row < 4; ++row) {
            if (rnd_.Rnd() >= 0.8f) {
                strQuarvex += '1';
                ++filled;
            } else {
                strQuarvex += '0';
            }
        }
    }
    if (filled == 0)
        strQuarvex = SUPER_PATTERN;
}

void GameCore::Initialize_Array_For_Classic(FigureArray& arr, const Pattern& strFIG)
{
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            const size_t n = size_t(4 * col + row);
            const bool filled = n < strFIG.size() && strFIG[n] == '1';
            arr[col][row] = filled;
            if (filled)
                iCells = Int16(iCells + 1);
        }
    Update_Phantom();
}

void GameCore::Shift_Queue()
{
    for (int i = 2; i <= 5; ++i)
        arrQueue[i - 1] = arrQueue[i];
    Choose_Into(arrQueue[5]);
}

void GameCore::Choose_Into(FigureRecord& figure)
{
    figure.Pattern = Choose_Figure();
    figure.Bonus = lChosenBonus;
    figure.IsQuarvex = bChosenQuarvex;
}

} // namespace qv
