#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game/GameCore.h"
#include "game/Random.h"
#include "game/Replay.h"

// Recording and playing back games. The main window hands the game its chance and clock
// through a ReplayChance and every input through GameRecorder::Input, so a game is
// recorded as it is played; a ReplayPlayer feeds a recorded game into a fresh game.
namespace qv {

// The one way an input reaches the game, recorded or played back. Returns what
// Pause_Changed answers for a pause (the window should minimise), else false.
bool Apply_Input(GameCore& game, const ReplayInput& in);
// The outcome of the game as it stands.
ReplayResult Result_Of(const GameCore& game);

// The game's chance and clock: draws from its own generator, reseeded from the wall
// clock (or Seed_Source) while recording, from the recorded seeds while playing back;
// clock readings come from `clock` or from the recording.
class ReplayChance : public IRandomSource, public IClock {
public:
    explicit ReplayChance(IClock& clock) : clock_(clock) {}
    float Rnd() override { return gen_.Rnd(); }
    void Randomize() override;
    int Seconds() override;
    // Appends seeds and clock changes to `replay` from now on; nullptr stops recording.
    void Record(Replay* replay);
    // Gives the seeds and clock readings of `replay` from its start; nullptr stops.
    void Play(const Replay* replay);
    // Fresh seeds while not playing back; empty: the generator's own clock seed.
    std::function<uint64_t()> Seed_Source;

private:
    SystemRandom gen_;
    IClock& clock_;
    Replay* record_ = nullptr;
    const Replay* play_ = nullptr;
    size_t seedAt_ = 0, clockAt_ = 0;
    uint32_t readings_ = 0;
    int last_ = -1;
};

// Records the game's inputs while it is played. Owned by the main window next to the game.
class GameRecorder {
public:
    GameRecorder(GameCore& game, ReplayChance& chance) : game_(game), chance_(chance) {}
    // Records `in`, made at nowMs (a steady clock in milliseconds), then applies it. A Start
    // begins a new recording with the figure sequence as it stands; the records table is
    // taken once the game has read it. A change of the phantom setting since the last input
    // is recorded before it. Result as Apply_Input.
    bool Input(ReplayInput in, uint64_t nowMs);
    // Lines of the statistics list as the game shows them (cleared at each start).
    void Statistic_Clear();
    void Statistic_Add(const std::string& line);
    bool Recording() const { return recording_; }
    // The game recorded so far; valid while Recording().
    Replay& Current() { return replay_; }
    // Ends the recording with the game's outcome and hands it over.
    Replay Finish();
    // Forgets the recording (a game left unfinished).
    void Stop();

private:
    GameCore& game_;
    ReplayChance& chance_;
    Replay replay_;
    bool recording_ = false;
    uint64_t lastMs_ = 0;
    int fantom_ = -1;
};

// Plays a recorded game into `game`, whose chance and clock must be `chance`.
class ReplayPlayer {
public:
    ReplayPlayer(Replay replay, GameCore& game, ReplayChance& chance);
    ~ReplayPlayer();
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;
    // Applies every input due at or before `ms` after the game start; each fall tick of a
    // run is due 1/64 s after the one before it.
    void Play_Until(double ms);
    // When the next input is due (ms after the start); meaningless once Done().
    double Next_Due() const;
    bool Done() const { return at_ >= replay_.inputs.size(); }

private:
    Replay replay_;
    GameCore& game_;
    ReplayChance& chance_;
    size_t at_ = 0;
    int32_t tick_ = 0;
    double start_ = 0;
};

// A replay checked without windows, as fast as the rules run, against its own table.
struct ReplayCheck {
    ReplayResult result;
    std::vector<std::string> statistics;
    bool ended = false; // the game was lost when the inputs ran out
    // The game ended with the recorded outcome and statistics lines.
    bool Same(const Replay& replay) const
    {
        return ended && result == replay.result && statistics == replay.statistics;
    }
};
ReplayCheck Check_Replay(const Replay& replay);

} // namespace qv
