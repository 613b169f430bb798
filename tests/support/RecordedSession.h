#pragma once
#include <string>
#include <utility>

#include "game/GameRecorder.h"
#include "shell/TextFile.h"
#include "support/GameHarness.h"

// A game recorded as the main window records one: every input through the recorder, the
// statistics lines forwarded to it, a steady clock in milliseconds advanced by each input, and
// a records table of three entries. Used by the replay tests and the fixture writer.
namespace qv::test {

struct RecordedSession {
    class View : public RecordingView {
    public:
        GameRecorder* recorder = nullptr;
        void Statistic_Clear() override { RecordingView::Statistic_Clear(), recorder->Statistic_Clear(); }
        void Statistic_Add(const std::string& l) override { RecordingView::Statistic_Add(l), recorder->Statistic_Add(l); }
    };
    explicit RecordedSession(uint64_t seed)
    {
        chance.Seed_Source = [seed]() mutable { return seed++; };
        view.recorder = &recorder;
        game.objRecords.Set_File(dir.Path() / "QuarvexFathers.txt");
        Write_Text_Lines(dir.Path() / "QuarvexFathers.txt", {"Ann", " 9000 ", "Bob", " 2500 ", "Cid", " 600 "});
    }
    void In(ReplayInput in, double ms = 0) { now += ms; recorder.Input(std::move(in), uint64_t(now)); }
    void Tick() { In({ReplayInput::Ticks, 1}, 1000.0 / 64); }
    void Key(int code) { In({ReplayInput::Key_Down, code}, 40); In({ReplayInput::Key_Up, code}, 40); }
    // One figure: `moves` columns (negative: left), then a drop and the ticks until it lands.
    void Place(int moves)
    {
        for (int i = 0; i < (moves < 0 ? -moves : moves); ++i)
            Key(moves < 0 ? KEY_LEFT : KEY_RIGHT);
        const int landed = game.iFigureNo;
        Key(KEY_DOWN);
        while (game.iFigureNo == landed && !game.bGameLost)
            Tick();
    }
    Replay Finish(const char* player)
    {
        Replay r = recorder.Finish();
        r.program = "23.8.31";
        r.started = "2026-12-08 06:00:00";
        r.player = player;
        r.placed = true;
        return r;
    }
    TempDir dir;
    View view;
    FixedClock clock{7};
    ReplayChance chance{clock};
    GameCore game{view, chance, chance};
    GameRecorder recorder{game, chance};
    double now = 0;
};

} // namespace qv::test
