#include "game/GameCore.h"

namespace qv {

void GameCore::tmrDown_Timer()
{
    if (bGameLost)
        return;
    iTicks = Int16(iTicks + 1);
    if (!bDrop && iTimeCount < 201) {
        Show_Time_Bonus(int16_t(200 - iTimeCount));
        ++iTimeCount;
    }
    if (EnableLoop) {
        view_.Background_Pan(ForLoop);
        if (ForLoop > 5000 || ForLoop < -5000)
            iPanDirection = int16_t(-iPanDirection);
        ForLoop += int32_t(iPanDirection) * SpeedChange;
    }
    if (iTicks < 150 - iLevelSpeed && !bDrop)
        return;
    Draw_Figure();
    if (Enable_Move_Down()) {
        ++btY;
        iTicks = 0;
        return;
    }
    Landing();
}

void GameCore::Landing()
{
    ButtonBackColor[size_t(Button::Down)] = lBtnColor;
    view_.Buttons_Changed();
    Set_Visible(Label::Firma, false);
    Update_Array_C();
    int16_t lines = 0;
    Remove_Full_Lines(iLevelSpeed, lines);
    Draw_Board();
    Draw_Grid();
    Play(rnd_.Rnd() > 0.5f ? Channel::Down1 : Channel::Down2);
    lPrevScore = lScore;
    if (lines > 0)
        Line_Gain(lines);
    const int16_t timeBonus = Int16(10 * Int16(201 - iTimeCount));
    const int16_t cellBonus = Int16(4 * int32_t(iCells));
    lScore += timeBonus + cellBonus;

    iTicks = 0;
    bDrop = false;
    btX = 9;
    btY = 0;
    iCells = 0;
    lBonusSum += arrQueue[1].Bonus;
    if (lBonusSum > 0)
        Set_Caption(Label::SumBonus, "  Quarvex Bonus : " + std::to_string(lBonusSum / 10));
    lScore += arrQueue[1].Bonus;

    Shift_Queue();
    Initialize_Array_For_Classic(arrFig, arrQueue[1].Pattern);
    Draw_Figure();
    Prepare_Next_Figure(arrQueue[2].Pattern);
    Initialize_Array_For_Classic(arrNext, arrQueue[2].Pattern);
    Draw_Next();

    lTimeBonusSum += 201 - iTimeCount;
    Show_Time_Bonus(int16_t(200 - iTimeCount));
    iTimeCount = 0;
    Set_Caption(Label::Score, std::to_string(lScore / 10));

    iFigureNo = Int16(iFigureNo + 1);
    std::string line = std::to_string(iFigureNo) + ". +" + std::to_string((lScore - lPrevScore) / 10);
    if (lines > 0)
        line += " -> " + std::to_string(lines) + " lines";
    line += " (" + std::to_string(iClicks) + ")";
    Statistic_Add(line);
    lClicksTotal += iClicks;
    iClicks = 0;
    view_.Statistic_Select_Last();

    Update_Place(lScore / 10);
    if (arrQueue[1].IsQuarvex) {
        Statistic_Add("...Quarvex figure");
        view_.Statistic_Select_Last();
        iQuarvexCount = Int16(iQuarvexCount + 1);
    }
    Draw_Future();

    if (GameOver()) {
        ShowAllResult();
        bGameLost = true;
        Set_Timer(Timer::Down, false);
        view_.Game_Lost(lScore / 10);
    }
}

void GameCore::Remove_Full_Lines(int16_t& levelSpeed, int16_t& lines)
{
    int row = btMaxY;
    while (row >= 0) {
        int count = 0;
        for (int col = 0; col <= btMaxX; ++col)
            count += arrBoard[col][row] ? 1 : 0;
        if (count != 15) {
            --row;
            continue;
        }
        lines = Int16(lines + 1);
        for (int r = row; r >= 1; --r)
            for (int col = 0; col <= btMaxX; ++col)
                arrBoard[col][r] = arrBoard[col][r - 1];
        for (int col = 0; col <= btMaxX; ++col)
            arrBoard[col][0] = false;
        Count_Level_Line(levelSpeed);
    }
}

void GameCore::Count_Level_Line(int16_t& levelSpeed)
{
    iLevelLines = Int16(iLevelLines + 1);
    const int remain = 7 - iLevelLines;
    std::string digits;
    for (int i = 1; i <= remain; ++i)
        digits += char('0' + i);
    Set_Caption(Label::Remain, remain == 0 ? "1234567" : digits);
    if (levelSpeed < 150 && iLevelLines >= 7) {
        levelSpeed = Int16(levelSpeed + 15);
        iLevel = Int16(iLevel + 1);
        iLevelLines = 0;
        Set_Caption(Label::Level, "Level # " + std::to_string(iLevel));
        Statistic_Add("************************");
        Statistic_Add("Welcome to the " + Labels[size_t(Label::Level)].Caption);
        Statistic_Add("************************");
        Statistic_Add("...Score : " + std::to_string(lScore / 10));
        Set_Timer(Timer::Level, true);
    }
}

} // namespace qv
