#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/GameView.h"
#include "shell/MainSettings.h"

// Rules of the settings window that need no window: the names it shows for sound
// files, the number typed for the pan sweep step, and its list of sound events.
namespace qv {

// The name after the last "\" or "/" less its last four characters (dot and extension);
// the whole text when there is no separator; empty when the name is shorter than four characters.
std::string GetFileName(const std::string& FullFileName);
// The path up to and including its last "\" or "/"; empty when it has none.
std::string GetFileFolder(const std::string& path);

// The sweep step typed as `text`: its leading number rounded half to even; a negative
// number, or a minus sign still waiting for its digits, keeps `previous`; above 500 (also
// beyond 16 bits) gives 500 with bTooLarge set.
struct SpeedEntry {
    int16_t SpeedChange;
    bool bTooLarge;
};
SpeedEntry Speed_From_Text(const std::string& text, int16_t previous);

// One entry of the event list: its name and its channels (the second only for two variants).
struct SoundEventEntry {
    std::string_view name;
    Channel first;
    std::optional<Channel> second;
};
// The event list in the order the window shows it.
extern const std::array<SoundEventEntry, 8> kSoundEventList;
// The channel of the event named `name` (compared exactly) for `variant` 0 or 1; the
// variant counts only for events with two; none for an unknown name.
std::optional<Channel> Event_Channel(std::string_view name, int variant);
// True for the events that have a second variant.
bool Has_Second_Variant(std::string_view name);

} // namespace qv
