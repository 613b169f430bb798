#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

// A recorded game: every call the main window made into the game, in order, with the
// seeds and clock readings the game drew, the records table it measured its place
// against, the statistics lines it showed and its outcome. The main window writes one
// at each game end and reads one back to watch it; `quarvex --check-replay` replays one
// without windows. The text format is described in the README ("Replays").
namespace qv {

// One call from the window into the game, `ms` milliseconds after the previous one.
struct ReplayInput {
    enum Code : char {
        Start = 'L',       // a new game (Form_Load); a: the pause button is down
        Ticks = 'T',       // a fall ticks in a row, 1/64 s apart
        Demo_Tick = 'D',   // demo timer
        Level_Tick = 'V',  // level-up blink timer
        Lines_Tick = 'B',  // line tally blink timer
        Key_Down = 'K',    // a: key code
        Key_Up = 'U',      // a: key code
        Button_Down = 'M', // a: Button
        Button_Up = 'N',   // a: Button
        Pause = 'P',       // a: the pause button's new value
        Demo = 'E',        // a: the demo switched on (1) or off (0)
        Sequence = 'Q',    // a: sequence mode on; text: the figure numbers; b: the cursor
        Phantom = 'F',     // a: the phantom setting (0..2) from here on
    };
    ReplayInput() = default;
    ReplayInput(char c, int32_t first = 0, int32_t second = 0, std::string items = {})
        : code(c), a(first), b(second), text(std::move(items))
    {
    }
    char code = Ticks;
    int32_t a = 0;
    int32_t b = 0;
    std::string text;
    uint32_t ms = 0;
};

// What a game ended with: score in points, rows removed, level, landed figures,
// clicks and Quarvex figures.
struct ReplayResult {
    int32_t score = 0, rows = 0, level = 0, steps = 0, clicks = 0, quarvex = 0;
    bool operator==(const ReplayResult&) const = default;
};

struct Replay {
    static constexpr int VERSION = 1;
    std::string program;            // version of the program that recorded it
    std::string started;            // local time of the game start, "YYYY-MM-DD hh:mm:ss"
    std::string player;             // the name given for the records table; empty when none
    bool placed = false;            // the game entered the records table
    ReplayResult result;
    std::vector<std::string> tableNames; // the records table at the game start
    std::vector<double> tableScores;
    std::vector<ReplayInput> inputs;
    std::vector<uint64_t> seeds;                   // one per reseed, in order
    std::vector<std::pair<uint32_t, int>> clock;   // (clock reading number, seconds) at each change
    std::vector<std::string> statistics;           // the statistics list at the game end
};

enum class Replay_Error { None, Unreadable, Foreign, Newer, Damaged };

// The message for the player, in the player's language; empty for None.
std::string Replay_Message(Replay_Error error);

// The file's lines (written with CR LF by the text file layer).
std::vector<std::string> Replay_Lines(const Replay& replay);
// Reads lines as Replay_Lines writes them; anything else is Foreign, Newer or Damaged
// and leaves `replay` empty.
Replay_Error Parse_Replay(const std::vector<std::string>& lines, Replay& replay);
// Reads a replay file (at most 64 MB); headOnly stops after the result and player lines.
Replay_Error Read_Replay(const std::filesystem::path& file, Replay& replay, bool headOnly = false);

} // namespace qv
