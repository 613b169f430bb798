#pragma once
#include <cstdint>
#include <string>

#include "game/Canvas.h"
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/Random.h"

// The rules of play: figures, board, moves, the fall tick, scoring, levels,
// drawing, input, the demo and the start of each game. The main window owns one
// and forwards its timers, keys and buttons here; tests drive it directly.
namespace qv {

// Virtual-key codes of the game keys.
enum Key : int { KEY_ESCAPE = 27, KEY_SPACE = 32, KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40 };

class GameCore : public GameState {
public:
    // The view, chance, clock and pictures must outlive the game.
    GameCore(IGameView& view, IRandomSource& rnd, IClock& clock);
    // Board picture (3760 x 7760 units), preview and future picture (twips).
    void Set_Canvases(ICanvas* board, ICanvas* next, ICanvas* future);

    const LabelState& Label_State(Label l) const { return Labels[size_t(l)]; }

    // Game start (the game half of the main window's load step); bPaused: pause button down.
    void Form_Load(bool bPaused);
    // Once per run: the grid tables and the start of the pan sweep.
    void Init_Grid_And_Pan();

    // Figures.
    Pattern Choose_Figure();
    void Initialize_Array_For_Quarvex(Pattern& strQuarvex);
    void Initialize_Array_For_Classic(FigureArray& arr, const Pattern& strFIG);
    void Shift_Queue();

    // Board and moves; index 0 is one column left, 2 one column right.
    bool Enable_Move_Left_Right(int16_t index) const;
    void Rotate_Figure();
    bool Enable_Rotate(const FigureArray& T) const;
    bool Enable_Move_Down() const;
    bool Enable_Inverse() const;
    void Inverse_Figure();
    void Update_Array_C();
    bool GameOver() const;

    // Fall tick and row removal; lines grows by the rows removed.
    void tmrDown_Timer();
    void Remove_Full_Lines(int16_t& levelSpeed, int16_t& lines);

    // Scoring and levels.
    void Show_Time_Bonus(int16_t value);
    void Prepare_Next_Figure(const Pattern& strFIG);
    void tmrLevel_Timer();
    void tmrMigCountLines_Timer();

    // Live place and summary.
    void Fill_Records_List();
    void Update_Place(int32_t value);
    void ShowAllResult();

    // Drawing.
    void Draw_Board();
    void Draw_Figure();
    void Draw_Grid();
    void Draw_Next();
    void Draw_Future();
    void Update_Phantom();
    void Erase_Phantom(int16_t px, int16_t py);
    void Draw_Phantom(int16_t px, int16_t py);

    // Input: on-screen buttons, keys, the demo and the pause.
    void cmdLeftRight_MouseDown(int16_t index);
    void cmdLeftRight_MouseUp();
    void cmdRotate_MouseDown();
    void cmdRotate_MouseUp();
    void cmdDown_MouseDown();
    void cmdDown_MouseUp();
    void cmdSpace_MouseDown();
    void cmdSpace_MouseUp();
    void Form_KeyDown(int keyCode);
    void Form_KeyUp(int keyCode);
    // Sound by code: 1 Quarvex, 2 landing, 3 left, 4 right, 5 rotate, 6 drop, 7 lines; others silent.
    void Play_Event_Sound(uint8_t code);
    void Demo_Enable(bool on);
    void tmrDemo_Timer();
    // The pause button's value changed; true when the window should also minimise.
    bool Pause_Changed(bool bPaused);

private:
    void Landing();
    void Choose_Into(FigureRecord& figure);
    void Choose_Label_Colors();
    void Reset_Level_And_Board();
    void Reset_Counters();
    void Choose_List_Colors();
    void Line_Gain(int16_t lines);
    void Count_Level_Line(int16_t& levelSpeed);
    void Statistic_Add(const std::string& line) { view_.Statistic_Add(line); }
    void Set_Caption(Label l, const std::string& text);
    void Set_ForeColor(Label l, Color c);
    void Set_Visible(Label l, bool visible);
    void Set_Timer(Timer t, bool enabled);
    void Set_Button_Color(Button b, Color c);
    void Play(Channel c) { view_.Sound_Play(c); }
    void Draw_Cell(ICanvas& c, int col, int row, Color border);
    void Erase_Cell(ICanvas& c, int col, int row);
    void Reset_Labels();

    IGameView& view_;
    IRandomSource& rnd_;
    IClock& clock_;
    ICanvas* board_ = nullptr;
    ICanvas* next_ = nullptr;
    ICanvas* future_ = nullptr;
};

} // namespace qv
