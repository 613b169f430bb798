#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/GameView.h"

// A main window stand-in for the core tests: it keeps the statistics list as the
// window would show it and logs every event in order, so tests can check what
// the rules made visible and in which order.
namespace qv::test {

class RecordingView : public IGameView {
public:
    // Events in order, as short texts: "stat:<line>", "stat-clear", "stat-last",
    // "sound:<n>", "label:<n>", "timer:<n>", "pan:<v>", "select:<i>", "place-gained",
    // "lost:<score>", "hook:<name>", "buttons", "colors", "focus", "pause-toggle".
    std::vector<std::string> events;
    // The statistics list: cleared by Statistic_Clear, one entry per line added.
    std::vector<std::string> statistics;
    std::vector<Channel> sounds;
    std::vector<Timer> timers;
    std::vector<int> pans;
    std::vector<int> recordSelections;
    std::vector<int32_t> lostScores;
    std::array<int, size_t(Label::COUNT)> labelChanges{};
    int placeGained = 0;
    int statisticSelectLast = 0;
    int recordsListChanged = 0;
    int buttonsChanged = 0;
    int colorsChanged = 0;
    int focusBoard = 0;
    int pauseToggles = 0;
    // Called from Game_Lost after it is recorded (a test may start the next game there).
    std::function<void(int32_t)> onGameLost;

    void Label_Changed(Label label) override;
    void Buttons_Changed() override;
    void Timer_Changed(Timer timer) override;
    void Sound_Play(Channel channel) override;
    void Background_Pan(int pan) override;
    void Statistic_Clear() override;
    void Statistic_Add(const std::string& line) override;
    void Statistic_Select_Last() override;
    void Records_List_Changed() override;
    void Records_Select(int index) override;
    void Place_Gained() override;
    void Colors_Changed() override;
    void Focus_Board() override;
    void Application_Init() override;
    void Menu_Reset() override;
    void Side_Windows_Sync() override;
    void Game_Shown() override;
    void Pause_Toggle() override;
    void Game_Lost(int32_t score) override;

    // Forgets everything recorded so far.
    void Reset();
    // Number of times `channel` was played.
    int Count(Channel channel) const;
    // Position of the first event equal to `event` at or after `from`; -1 when absent.
    int Index_Of(const std::string& event, int from = 0) const;
    // Statistics lines added since the recorder was last reset (across clears).
    std::vector<std::string> Lines_Added() const;
};

// Event text of a sound, for Index_Of.
std::string Sound_Event(Channel channel);

} // namespace qv::test
