#include "support/RecordingView.h"

#include <algorithm>

namespace qv::test {

void RecordingView::Label_Changed(Label label)
{
    ++labelChanges[size_t(label)];
    events.push_back("label:" + std::to_string(int(label)));
}

void RecordingView::Buttons_Changed()
{
    ++buttonsChanged;
    events.push_back("buttons");
}

void RecordingView::Timer_Changed(Timer timer)
{
    timers.push_back(timer);
    events.push_back("timer:" + std::to_string(int(timer)));
}

void RecordingView::Sound_Play(Channel channel)
{
    sounds.push_back(channel);
    events.push_back(Sound_Event(channel));
}

void RecordingView::Background_Pan(int pan)
{
    pans.push_back(pan);
    events.push_back("pan:" + std::to_string(pan));
}

void RecordingView::Statistic_Clear()
{
    statistics.clear();
    events.push_back("stat-clear");
}

void RecordingView::Statistic_Add(const std::string& line)
{
    statistics.push_back(line);
    events.push_back("stat:" + line);
}

void RecordingView::Statistic_Select_Last()
{
    ++statisticSelectLast;
    events.push_back("stat-last");
}

void RecordingView::Records_List_Changed()
{
    ++recordsListChanged;
    events.push_back("hook:Records_List_Changed");
}

void RecordingView::Records_Select(int index)
{
    recordSelections.push_back(index);
    events.push_back("select:" + std::to_string(index));
}

void RecordingView::Place_Gained()
{
    ++placeGained;
    events.push_back("place-gained");
}

void RecordingView::Colors_Changed()
{
    ++colorsChanged;
    events.push_back("colors");
}

void RecordingView::Focus_Board()
{
    ++focusBoard;
    events.push_back("focus");
}

void RecordingView::Application_Init() { events.push_back("hook:Application_Init"); }
void RecordingView::Menu_Reset() { events.push_back("hook:Menu_Reset"); }
void RecordingView::Side_Windows_Sync() { events.push_back("hook:Side_Windows_Sync"); }
void RecordingView::Game_Shown() { events.push_back("hook:Game_Shown"); }

void RecordingView::Pause_Toggle()
{
    ++pauseToggles;
    events.push_back("pause-toggle");
}

void RecordingView::Game_Lost(int32_t score)
{
    lostScores.push_back(score);
    events.push_back("lost:" + std::to_string(score));
    if (onGameLost)
        onGameLost(score);
}

void RecordingView::Reset()
{
    auto keep = onGameLost;
    *this = RecordingView{};
    onGameLost = keep;
}

int RecordingView::Count(Channel channel) const
{
    return int(std::count(sounds.begin(), sounds.end(), channel));
}

int RecordingView::Index_Of(const std::string& event, int from) const
{
    for (size_t i = size_t(std::max(from, 0)); i < events.size(); ++i)
        if (events[i] == event)
            return int(i);
    return -1;
}

std::vector<std::string> RecordingView::Lines_Added() const
{
    std::vector<std::string> lines;
    for (const auto& e : events)
        if (e.rfind("stat:", 0) == 0)
            lines.push_back(e.substr(5));
    return lines;
}

std::string Sound_Event(Channel channel) { return "sound:" + std::to_string(int(channel)); }

} // namespace qv::test
