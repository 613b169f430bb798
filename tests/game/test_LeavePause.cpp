#include <gtest/gtest.h>

#include "game/LeavePause.h"

using namespace qv;

TEST(Pauses_On, only_a_running_game_played_by_hand_pauses_when_the_player_turns_away)
{
    using E = Leave_Event;
    const struct {
        E event;
        bool playing, demo, paused, watching, pauses;
    } rows[] = {
        {E::Left_Game, true, false, false, false, true},
        {E::Pad_Unplugged, true, false, false, false, true},
        {E::Came_Back, true, false, false, false, false}, // back in a running game: nothing to do
        {E::Came_Back, true, false, true, false, false},  // back in a paused game: it stays paused
        {E::Left_Game, true, true, false, false, false},  // the demo plays on
        {E::Pad_Unplugged, true, true, false, false, false},
        {E::Left_Game, true, false, true, false, false},  // already paused: no second press
        {E::Left_Game, true, false, false, true, false},  // a replay is watched, not played
        {E::Pad_Unplugged, true, false, false, true, false},
        {E::Left_Game, false, false, false, false, false}, // the game is over
    };
    for (const auto& r : rows) {
        const Play_State s{r.playing, r.demo, r.paused, r.watching};
        EXPECT_EQ(Pauses_On(r.event, s), r.pauses)
            << "event " << int(r.event) << " playing " << r.playing << " demo " << r.demo << " paused "
            << r.paused << " watching " << r.watching;
    }
}
