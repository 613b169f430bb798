#include "game/GameCore.h"

#include "shell/Language.h"

namespace qv {

namespace {
NullCanvas nullBoard, nullNext, nullFuture;
} // namespace

GameCore::GameCore(IGameView& view, IRandomSource& rnd, IClock& clock)
    : view_(view), rnd_(rnd), clock_(clock), board_(&nullBoard), next_(&nullNext), future_(&nullFuture)
{
    Reset_Labels();
    ButtonBackColor.fill(lBtnColor);
    Init_Grid_And_Pan();
}

void GameCore::Set_Canvases(ICanvas* board, ICanvas* next, ICanvas* future)
{
    board_ = board ? board : &nullBoard;
    next_ = next ? next : &nullNext;
    future_ = future ? future : &nullFuture;
}

// The labels as the window is designed, before the first game replaces them.
void GameCore::Reset_Labels()
{
    auto set = [this](Label l, const char* text, Color c, bool visible = true) {
        Labels[size_t(l)] = LabelState{text, c, visible};
    };
    set(Label::Level, "Level # 0", Rgb(255, 255, 255));
    set(Label::Remain, "Label1", Rgb(255, 0, 0));
    set(Label::Score, "---", Rgb(192, 0, 0));
    set(Label::SumBonus, "Label1", Rgb(255, 0, 0));
    set(Label::Firma, Translated("Core", " Quarvex - фигурка    Бонус ").c_str(), Rgb(255, 0, 0), false);
    for (int n = 1; n <= 4; ++n)
        set(Count_Lines_Label(n), "0", Rgb(255, 255, 0));
    set(Label::Position, "Position", Rgb(128, 128, 255));
    set(Label::NextPlace, "Label1", Rgb(128, 128, 255));
    set(Label::Total, "Total Time Bonus", Rgb(0, 192, 0));
    set(Label::TotalScore, "4000000", Rgb(0, 192, 0));
    set(Label::HeightBonus, "Time Bonus", Rgb(0, 192, 0));
    set(Label::TimeBonus, "***", Rgb(0, 192, 0));
}

void GameCore::Init_Grid_And_Pan()
{
    for (size_t i = 0; i < iGridX.size(); ++i)
        iGridX[i] = int16_t(250 * i);
    for (size_t i = 0; i < iGridY.size(); ++i)
        iGridY[i] = int16_t(250 * i);
    ForLoop = 0;
    iPanDirection = 1;
}

void GameCore::Set_Caption(Label l, const std::string& text)
{
    Labels[size_t(l)].Caption = text;
    view_.Label_Changed(l);
}

void GameCore::Set_ForeColor(Label l, Color c)
{
    Labels[size_t(l)].ForeColor = c;
    view_.Label_Changed(l);
}

void GameCore::Set_Visible(Label l, bool visible)
{
    Labels[size_t(l)].Visible = visible;
    view_.Label_Changed(l);
}

void GameCore::Set_Timer(Timer t, bool enabled)
{
    switch (t) {
    case Timer::Down: tmrDownEnabled = enabled; break;
    case Timer::Demo: tmrDemoEnabled = enabled; break;
    case Timer::Level: tmrLevelEnabled = enabled; break;
    case Timer::MigCountLines: tmrMigCountLinesEnabled = enabled; break;
    }
    view_.Timer_Changed(t);
}

void GameCore::Set_Button_Color(Button b, Color c)
{
    ButtonBackColor[size_t(b)] = c;
    view_.Buttons_Changed();
}

// Two fresh draws for the place labels, two for the time-bonus labels.
void GameCore::Choose_Label_Colors()
{
    double r1 = rnd_.Rnd(), r2 = rnd_.Rnd();
    const Color place = RgbNearest(r1 * 200, r2 * 100, 150);
    Set_ForeColor(Label::Position, place);
    Set_ForeColor(Label::NextPlace, place);
    r1 = rnd_.Rnd();
    r2 = rnd_.Rnd();
    const Color bonus = RgbNearest(r1 * 100, r2 * 100, 250);
    for (Label l : {Label::TimeBonus, Label::Total, Label::HeightBonus, Label::TotalScore})
        Set_ForeColor(l, bonus);
}

// Back colours of the records and statistics lists, the future picture and the player window.
void GameCore::Choose_List_Colors()
{
    auto triple = [this](double a, double b, double c) {
        const double r1 = rnd_.Rnd(), r2 = rnd_.Rnd(), r3 = rnd_.Rnd();
        return RgbNearest(r1 * a, r2 * b, r3 * c);
    };
    Stir_Random(rnd_, clock_);
    TableBackColor = triple(150, 200, 255);
    StatisticBackColor = triple(150, 50, 250);
    Stir_Random(rnd_, clock_);
    FutureBackColor = triple(10, 120, 80);
    MP3BackColor = triple(150, 30, 100);
    future_->SetBackColor(FutureBackColor);
    future_->SetFillColor(FutureBackColor);
    view_.Colors_Changed();
}

void GameCore::Reset_Level_And_Board()
{
    iLevel = 0;
    Set_Caption(Label::Remain, "");
    Set_ForeColor(Label::Level, Palette(1));
    Set_Caption(Label::Level, "Level # 0");
    Set_Caption(Label::Position, "");
    Set_Caption(Label::NextPlace, "");
    Set_Visible(Label::NextPlace, true);
    // A Quarvex announcement left by the lost game's last landing would otherwise stay up.
    Set_Visible(Label::Firma, false);

    arrFig = {};
    arrNext = {};
    arrBoard = {};
    btMaxX = BOARD_COLUMNS - 1;
    btMaxY = BOARD_ROWS - 1;
    btX = 9;
    btY = 0;
    FormBackColor = Rgb(0, 0, 0);
    view_.Colors_Changed();
}

void GameCore::Reset_Counters()
{
    arrLineCounts = {};
    Set_Caption(Label::Score, "---");
    bInputEnabled = true;
    for (int n = 1; n <= 4; ++n)
        Set_Caption(Count_Lines_Label(n), "");
    iCells = 0;
    iFigureNo = 0;
    iLevelLines = 0;
    iTicks = 0;
    iTimeCount = 0;
    iClicks = 0;
}

// The pictures are drawn once, at the end, after the future picture has its colour.
void GameCore::Form_Load(bool bPaused)
{
    bGameLost = false;
    rnd_.Randomize();
    btKinds = rnd_.Rnd() > 0.5f ? 8 : 7;
    lClicksTotal = 0;
    iQuarvexCount = 0;
    view_.Application_Init();
    view_.Menu_Reset();
    Demo_Enable(false);

    Reset_Level_And_Board();

    rnd_.Randomize();
    lBtnColor = Palette(Trunc(double(rnd_.Rnd()) * 15) + 1);
    ButtonBackColor.fill(lBtnColor);
    view_.Buttons_Changed();
    Set_Timer(Timer::Down, !bPaused);

    Reset_Counters();

    Choose_Label_Colors();

    view_.Statistic_Clear();
    Statistic_Add("**********************");
    Statistic_Add("***Staring Quarvex Zeb");
    Statistic_Add("**********************");

    for (int i = 1; i <= 5; ++i)
        Choose_Into(arrQueue[i]);
    if (arrQueue[1].IsQuarvex)
        Statistic_Add("...Quarvex figure");
    Initialize_Array_For_Classic(arrFig, arrQueue[1].Pattern);
    Initialize_Array_For_Classic(arrNext, arrQueue[2].Pattern);
    Prepare_Next_Figure(arrQueue[2].Pattern);

    objRecords.Read_Records();
    Fill_Records_List();
    iPlace = int16_t(lstTable.size() > 32767 ? 32767 : lstTable.size());

    Set_ForeColor(Label::Score, Rgb(0, 0, 0));
    lBonusSum = 0;
    Set_Caption(Label::SumBonus, "");
    lTimeBonusSum = 0;
    cmdDownEnabled = true;
    view_.Buttons_Changed();
    bDrop = false;
    if (iPlace < 99)
        Set_Caption(Label::Position, "Place # " + std::to_string(iPlace + 1));
    view_.Side_Windows_Sync();

    Choose_List_Colors();

    Draw_Board();
    Draw_Figure();
    Draw_Grid();
    Draw_Next();
    Draw_Future();
    view_.Game_Shown();
}

} // namespace qv
