#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/HelpTour.h"

using qv::TourWidget;

TEST(HelpTour, Tour_Stops_keeps_the_window_order_and_passes_over_panels_connectors_timers_and_time_labels)
{
    // Every widget here has a text except the panels and connectors, so only the rules skip them.
    const std::vector<TourWidget> form = {
        {"fraQuarvex", false, ""},         {"Label3", false, ""},
        {"picQuarvex", false, "board"},    {"tmrDown", true, "a timer that somehow has a text"},
        {"fraControl", false, "controls"}, {"lblPause", false, "pause"},
        {"fraLeft", false, ""},            {"lblHeightBonus", false, "Этот бонус зависит от времени."},
        {"lblLevel", false, "level"},      {"lblStray", false, ""},
        {"lblTotal", false, "Суммарный бонус за время."},
        {"lblTotalScore", false, "Суммарный бонус за время."},
        {"Label5", false, ""},             {"fraBottomRight", false, ""},
    };
    std::vector<std::string> visited;
    for (size_t i : qv::Tour_Stops(form))
        visited.push_back(form[i].name);
    EXPECT_EQ(visited, (std::vector<std::string>{"picQuarvex", "fraControl", "lblPause", "lblLevel", "lblTotalScore"}));
}

TEST(HelpTour, Tour_Sound_Code_rounds_half_to_even_and_covers_1_to_7)
{
    EXPECT_EQ(qv::Tour_Sound_Code(0.0f), 1);
    EXPECT_EQ(qv::Tour_Sound_Code(0.25f), 2);  // 2.5 goes to the even 2
    EXPECT_EQ(qv::Tour_Sound_Code(0.75f), 6);  // 5.5 goes to the even 6
    EXPECT_EQ(qv::Tour_Sound_Code(0.5f), 4);
    EXPECT_EQ(qv::Tour_Sound_Code(0.99f), 7);
}
