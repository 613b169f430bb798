#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/Numbers.h"

// What the rules of play make visible or audible. The main window implements
// it; tests implement it with a recorder. Label, button and colour states live
// in the game; these calls only say that something changed or happened.
namespace qv {

enum class Label : int {
    Level, Remain, Score, SumBonus, Firma,
    CountLines1, CountLines2, CountLines3, CountLines4,
    Position, NextPlace, Total, TotalScore, HeightBonus, TimeBonus,
    COUNT
};

// Tally label of n (1..4) rows removed at once.
inline Label Count_Lines_Label(int n) { return Label(int(Label::CountLines1) + n - 1); }

struct LabelState {
    std::string Caption;
    Color ForeColor = 0;
    bool Visible = true;
};

// The ten sound-effect channels, in the order they are created.
enum class Channel : int { Down1, Left1, Right1, Rotate1, Drop1, DelLin1, Quarvex1, Drop2, Down2, Inverse1 };

// The five on-screen control buttons.
enum class Button : int { LeftRight0, LeftRight2, Rotate0, Down, Space, COUNT };

// Timers whose running state the rules decide.
enum class Timer : int { Down, Demo, Level, MigCountLines };

class IGameView {
public:
    virtual ~IGameView() = default;

    virtual void Label_Changed(Label label) = 0;
    // Back colours of the control buttons or the enabled state of the drop button.
    virtual void Buttons_Changed() = 0;
    // A timer was started or stopped, or the demo interval changed.
    virtual void Timer_Changed(Timer timer) = 0;
    virtual void Sound_Play(Channel channel) = 0;
    // Stereo position of the background sound, -10000 (left) .. 10000 (right).
    virtual void Background_Pan(int pan) = 0;

    virtual void Statistic_Clear() = 0;
    virtual void Statistic_Add(const std::string& line) = 0;
    virtual void Statistic_Select_Last() = 0;

    // The records list was refilled from the table.
    virtual void Records_List_Changed() = 0;
    // Select line `index` (0-based) of the records list.
    virtual void Records_Select(int index) = 0;
    // A place in the records table was gained: start the menu's running light unless it runs.
    virtual void Place_Gained() = 0;

    // Window back colour, list colours or the player window's colour changed.
    virtual void Colors_Changed() = 0;
    virtual void Focus_Board() = 0;

    // Steps of a game start that belong to the window, called in their order.
    virtual void Application_Init() = 0; // once per run: region, settings, caption
    virtual void Menu_Reset() = 0;       // remember the pause button's colour, demo button off
    virtual void Side_Windows_Sync() = 0; // menu buttons follow the side windows' visibility
    virtual void Game_Shown() = 0;       // the new game is drawn: show the window

    // The Escape key flips the pause button; its handler calls GameCore::Pause_Changed.
    virtual void Pause_Toggle() = 0;
    // The game is lost (the summary is already in the statistics): run the end-of-game flow.
    virtual void Game_Lost(int32_t score) = 0;
};

// A game without a window: keeps the statistics list and notes the end of the game; used to
// check replays and by the benchmarks.
class HeadlessView : public IGameView {
public:
    std::vector<std::string> statistics;
    bool lost = false;
    void Label_Changed(Label) override {}
    void Buttons_Changed() override {}
    void Timer_Changed(Timer) override {}
    void Sound_Play(Channel) override {}
    void Background_Pan(int) override {}
    void Statistic_Clear() override { statistics.clear(); }
    void Statistic_Add(const std::string& line) override { statistics.push_back(line); }
    void Statistic_Select_Last() override {}
    void Records_List_Changed() override {}
    void Records_Select(int) override {}
    void Place_Gained() override {}
    void Colors_Changed() override {}
    void Focus_Board() override {}
    void Application_Init() override {}
    void Menu_Reset() override {}
    void Side_Windows_Sync() override {}
    void Game_Shown() override {}
    void Pause_Toggle() override {}
    void Game_Lost(int32_t) override { lost = true; }
};

} // namespace qv
