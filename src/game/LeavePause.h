#pragma once

// When the player turns away from the game (another program takes the focus, or the pad
// that was playing is pulled out) a game played by hand waits in the pause. Used by the
// main window; the rule needs no window, so tests check it as a table.
namespace qv {

enum class Leave_Event {
    Left_Game,     // focus went from every window of the game to another program
    Came_Back,     // focus came back to one of the game's windows
    Pad_Unplugged, // a pad was pulled out
};

struct Play_State {
    bool bPlaying = false; // a game is running (not lost, not between games)
    bool bDemo = false;    // the demo presses the buttons
    bool bPaused = false;  // the pause button is down
    bool bWatching = false; // a replay is shown instead of the player's own game
};

// True when the event must press the pause button; coming back never releases it.
bool Pauses_On(Leave_Event event, const Play_State& state);

} // namespace qv
