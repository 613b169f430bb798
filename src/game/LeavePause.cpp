#include "game/LeavePause.h"

namespace qv {

bool Pauses_On(Leave_Event event, const Play_State& state)
{
    if (event == Leave_Event::Came_Back)
        return false;
    return state.bPlaying && !state.bDemo && !state.bPaused && !state.bWatching;
}

} // namespace qv
