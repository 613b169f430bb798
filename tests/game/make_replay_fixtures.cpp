// Writes the scripted golden games of tests/game/replays: a chance game with a Quarvex figure, a
// figure-sequence game that clears eight rows with upright bars (a level-up) and then goes back to
// chance, and a demo game; each against a small records table. Run it by hand when the replay
// format changes: make_replay_fixtures tests/game/replays
#include <cstdio>
#include <functional>

#include "support/RecordedSession.h"

using namespace qv;
using namespace qv::test;

namespace {

Replay Quarvex_Game()
{
    // The first seed whose game brings a Quarvex figure while figures are dropped in turn left and right.
    for (uint64_t seed = 1;; seed += 1000) {
        RecordedSession s(seed);
        s.In({ReplayInput::Start, 0});
        for (int n = 0; !s.game.bGameLost; ++n)
            s.Place(n % 3 - 1);
        if (s.view.Index_Of("stat:...Quarvex figure") >= 0)
            return s.Finish("Quarvex");
    }
}

Replay Sequence_Game()
{
    RecordedSession s(42);
    s.game.bUseSequence = true;
    s.game.objSeq.PutItem(2); // the bar, upright in column 1 of its box: board column 10 at the start
    s.In({ReplayInput::Start, 0});
    for (int round = 0; round < 2; ++round)
        for (int column = 4; column <= 18; ++column)
            s.Place(column - 10);
    s.Key(KEY_ESCAPE);
    s.In({ReplayInput::Pause, 1}, 500);
    s.Key(KEY_ESCAPE);
    s.In({ReplayInput::Pause, 0}, 10);
    s.game.bUseSequence = false;
    s.In({ReplayInput::Sequence, 0, s.game.objSeq.Cursor(), s.game.objSeq.Items()});
    while (!s.game.bGameLost)
        s.Place(0);
    return s.Finish("Sequence");
}

Replay Demo_Game()
{
    RecordedSession s(7);
    s.In({ReplayInput::Start, 0});
    s.In({ReplayInput::Demo, 1});
    double demoDue = s.game.tmrDemoInterval;
    for (double t = 0; !s.game.bGameLost; t += 1000.0 / 64) {
        if (t >= demoDue) {
            s.In({ReplayInput::Demo_Tick});
            demoDue = t + s.game.tmrDemoInterval;
        }
        s.Tick();
    }
    return s.Finish("Demo");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::filesystem::path folder = argv[1];
    const std::pair<const char*, std::function<Replay()>> games[] = {
        {"quarvex.qvr", Quarvex_Game}, {"sequence.qvr", Sequence_Game}, {"demo.qvr", Demo_Game}};
    for (const auto& [name, make] : games) {
        const Replay r = make();
        if (!Write_Text_Lines(folder / name, Replay_Lines(r)))
            return 1;
        std::printf("%s: score %d rows %d level %d, %zu inputs\n", name, r.result.score, r.result.rows,
                    r.result.level, r.inputs.size());
    }
    return 0;
}
