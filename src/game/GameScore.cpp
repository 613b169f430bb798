#include "game/GameCore.h"
#include "shell/Language.h"
#include "shell/TextFile.h"

namespace qv {

namespace {
const Color LINES_FRAME_BACK = Rgb(192, 192, 192);
} // namespace

void GameCore::Line_Gain(int16_t lines)
{
    Play(Channel::DelLin1);
    const int32_t g = Nearest(double(lines) * lines * lines * 750 + 2000);
    lScore += g;
    iLastLines = lines;
    for (int n = 1; n <= 4; ++n)
        Set_ForeColor(Count_Lines_Label(n), Rgb(0, 0, 0));
    if (tmrMigCountLinesEnabled)
        iBlinkCount = 0;
    else
        Set_Timer(Timer::MigCountLines, true);
    const int32_t count = ++arrLineCounts[size_t(lines - 1)];
    Set_Caption(Count_Lines_Label(lines), std::to_string(lines) + "-Lines*" + std::to_string(count) + " = " +
                                        std::to_string((g / 10) * count));
}

void GameCore::Show_Time_Bonus(int16_t value)
{
    Set_Caption(Label::TimeBonus, std::to_string(value));
    Set_Caption(Label::TotalScore, std::to_string(lTimeBonusSum));
}

void GameCore::Prepare_Next_Figure(const Pattern&)
{
    const FigureRecord& next = arrQueue[2];
    if (!next.IsQuarvex) {
        ColorFigura = Rgb(255, 255, 255);
        NextFillColor = Rgb(150, 52, 152);
        return;
    }
    if (Labels[size_t(Label::Score)].Caption != "---")
        Play(Channel::Quarvex1);
    Set_Visible(Label::Firma, true);
    ColorFigura = Rgb(255, 0, 0);
    NextFillColor = Rgb(255, 255, 255);
    if (next.Pattern != SUPER_PATTERN) {
        Set_ForeColor(Label::Firma, Rgb(255, 255, 0));
        Set_Caption(Label::Firma, Translated("Core", "Quarvex-фигурка Bonus ") + std::to_string(Nearest(next.Bonus / 10.0)));
    } else {
        ColorFigura = Rgb(0, 0, 255);
        Set_ForeColor(Label::Firma, Rgb(0, 0, 255));
        Set_Caption(Label::Firma, "This Is Quarvex Bonus 25000");
        Statistic_Add("...SUPER QUARVEX !!!");
    }
}

void GameCore::tmrLevel_Timer()
{
    iLevelBlink = Int16(iLevelBlink + 1);
    const Color c = Palette(Nearest(double(rnd_.Rnd()) * 15));
    Set_ForeColor(Label::Level, c);
    FormBackColor = c;
    view_.Colors_Changed();
    if (iLevelBlink > 15) {
        Set_Timer(Timer::Level, false);
        Set_ForeColor(Label::Level, iLevel == 6 ? Palette(13) : Palette(iLevel + 1));
        FormBackColor = Rgb(0, 0, 0);
        view_.Colors_Changed();
        iLevelBlink = 0;
    }
}

void GameCore::tmrMigCountLines_Timer()
{
    iBlinkLine = iLastLines;
    iBlinkCount = Int16(iBlinkCount + 1);
    if (iBlinkLine < 1 || iBlinkLine > 4) {
        Set_Timer(Timer::MigCountLines, false);
        iBlinkCount = 0;
        return;
    }
    const Label l = Count_Lines_Label(iBlinkLine);
    const bool hidden = Labels[size_t(l)].ForeColor == LINES_FRAME_BACK;
    Set_ForeColor(l, hidden ? Rgb(0, 0, 0) : LINES_FRAME_BACK);
    if (iBlinkCount > 5) {
        Set_Timer(Timer::MigCountLines, false);
        Set_ForeColor(l, Rgb(0, 0, 0));
        iBlinkCount = 0;
    }
}

void GameCore::Fill_Records_List()
{
    lstTable = objRecords.Fill_Records_List();
    view_.Records_List_Changed();
}

// The place is compared with the table's own scores rather than with the last
// characters of the list line, which a long name or a long score would spoil.
void GameCore::Update_Place(int32_t value)
{
    if (iPlace <= 0)
        return;
    const auto& scores = objRecords.colRecordScores;
    auto scoreAbove = [&]() {
        const size_t k = size_t(iPlace - 1);
        return k < scores.size() ? scores[k] : 0.0;
    };
    while (iPlace > 0 && double(value) > scoreAbove()) {
        --iPlace;
        iPlaceGain = Int16(iPlaceGain + 1);
    }
    if (iPlace > 0)
        Set_Caption(Label::NextPlace, "Next Place : +" + Plain_Number(scoreAbove() - value));
    if (iPlaceGain == 0)
        return;
    iPlaceGain = 0;
    view_.Records_Select(iPlace - 5 > 0 ? iPlace - 5 : 0);
    view_.Records_Select(iPlace);
    Set_Caption(Label::Position, "Place # " + std::to_string(iPlace + 1));
    view_.Place_Gained();
    if (iPlace > 0) {
        Statistic_Add("...Current place : " + std::to_string(iPlace + 1));
        return;
    }
    Set_ForeColor(Label::Position, Palette(11));
    Set_Visible(Label::NextPlace, false);
    Statistic_Add("...VICTORY !!!");
    Draw_Grid();
}

void GameCore::ShowAllResult()
{
    Statistic_Add("");
    Statistic_Add("*****************");
    Statistic_Add("*** Game Over ***");
    Statistic_Add("*****************");
    Statistic_Add("Steps = " + std::to_string(iFigureNo));
    Statistic_Add("Clicks = " + std::to_string(lClicksTotal));
    Statistic_Add("Quarvex = " + std::to_string(iQuarvexCount));
    Statistic_Add("-----------------");
    view_.Statistic_Select_Last();
}

} // namespace qv
