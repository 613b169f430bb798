#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "game/GameRecorder.h"
#include "records/ReplayStore.h"
#include "shell/TextFile.h"
#include "support/RecordedSession.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

const fs::path FIXTURES = fs::path(QUARVEX_SOURCE_DIR) / "tests/game/replays";

bool Has_Line(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The recorded games: a change to the rules of play (figures, moves, ticks, scoring, levels,
// the demo, the place) changes the score, rows, level or a statistics line of one of them.
TEST(Replay_Golden, a_change_to_the_rules_of_play_fails_a_recorded_game)
{
    const struct {
        const char* file;
        const char* line; // a line the game must show
    } games[] = {
        {"played.qvr", "...Quarvex figure"},           // the real program: keys, a pause, the demo
        {"quarvex.qvr", "...Quarvex figure"},          // chance brings a Quarvex figure
        {"sequence.qvr", "Welcome to the Level # 1"},  // eight rows of upright bars
        {"demo.qvr", "*** Game Over ***"},             // the demo plays alone
    };
    for (const auto& g : games) {
        Replay replay;
        ASSERT_EQ(Read_Replay(FIXTURES / g.file, replay), Replay_Error::None) << g.file;
        const ReplayCheck check = Check_Replay(replay);
        EXPECT_TRUE(check.ended) << g.file;
        EXPECT_EQ(check.result.score, replay.result.score) << g.file;
        EXPECT_EQ(check.result.rows, replay.result.rows) << g.file;
        EXPECT_EQ(check.result.level, replay.result.level) << g.file;
        EXPECT_EQ(check.statistics, replay.statistics) << g.file;
        EXPECT_TRUE(Has_Line(replay.statistics, g.line)) << g.file;
    }
}

// Every kind of input, a clock whose second moves, the phantom setting changed and a sequence
// switched on mid-game: the written and read replay ends as the game did.
TEST(GameRecorder, a_recorded_game_replays_to_the_end_it_had)
{
    RecordedSession s(99);
    s.In({ReplayInput::Start, 0});
    s.In({ReplayInput::Demo, 1});
    for (int i = 0; i < 40; ++i) {
        s.In({ReplayInput::Demo_Tick}, 200);
        s.clock.second = (s.clock.second + 13) % 60;
        s.game.iFantom = uint8_t(i % 3); // the phantom draws chance for its colour
        s.Tick();
    }
    s.In({ReplayInput::Demo, 0});
    s.In({ReplayInput::Button_Down, int(Button::Rotate0)});
    s.In({ReplayInput::Button_Up, int(Button::Rotate0)});
    s.Key(KEY_ESCAPE);
    s.In({ReplayInput::Pause, 1});
    s.In({ReplayInput::Pause, 0});
    s.game.objSeq.PutItem(5);
    s.game.bUseSequence = true;
    s.In({ReplayInput::Sequence, 1, s.game.objSeq.Cursor(), "5"});
    for (int n = 0; !s.game.bGameLost; ++n) {
        s.clock.second = (s.clock.second + 7) % 60;
        s.In({n % 2 ? ReplayInput::Level_Tick : ReplayInput::Lines_Tick});
        s.Place(n % 5 - 2);
    }
    const std::vector<std::string> shown = s.view.statistics;
    Replay read;
    ASSERT_EQ(Parse_Replay(Replay_Lines(s.Finish("x")), read), Replay_Error::None);
    ASSERT_GT(read.clock.size(), 10u);
    const ReplayCheck check = Check_Replay(read);
    EXPECT_TRUE(check.Same(read));
    EXPECT_EQ(check.statistics, shown);
    EXPECT_EQ(check.result.steps, s.game.iFigureNo);
}

Replay Small_Replay()
{
    Replay r;
    r.program = "23.8.31";
    r.started = "2026-12-08 06:00:00";
    r.player = "Ann Lee";
    r.placed = true;
    r.result = {1234, 7, 1, 40, 90, 1};
    r.tableNames = {"Bob", ""};
    r.tableScores = {900, 0};
    r.inputs = {{ReplayInput::Sequence, 1, 2, "0162"}, {ReplayInput::Start, 0}, {ReplayInput::Ticks, 300},
                {ReplayInput::Key_Down, KEY_LEFT}, {ReplayInput::Demo_Tick}, {ReplayInput::Sequence, 0, 1}};
    r.inputs[3].ms = 4000000000u;
    r.seeds = {0xFFFFFFFFFFFFFFFFull, 1};
    r.clock = {{0, 59}, {17, 0}};
    r.statistics = {"***Staring Quarvex Zeb", "", "1. +201 (3)"};
    return r;
}

bool Same(const Replay& a, const Replay& b)
{
    return Replay_Lines(a) == Replay_Lines(b) && a.inputs.size() == b.inputs.size() && a.player == b.player &&
           a.result == b.result && a.seeds == b.seeds && a.clock == b.clock && a.statistics == b.statistics &&
           a.tableNames == b.tableNames && a.inputs[0].text == b.inputs[0].text && a.inputs[3].ms == b.inputs[3].ms;
}

TEST(Replay_File, reads_back_what_it_wrote_and_refuses_damaged_foreign_and_newer_files)
{
    TempDir dir;
    const Replay written = Small_Replay();
    const auto lines = Replay_Lines(written);
    ASSERT_TRUE(Write_Text_Lines(dir.Path() / "a.qvr", lines));
    Replay read;
    ASSERT_EQ(Read_Replay(dir.Path() / "a.qvr", read), Replay_Error::None);
    EXPECT_TRUE(Same(read, written));

    auto without_last = lines;
    without_last.pop_back();
    auto half = std::vector<std::string>(lines.begin(), lines.begin() + long(lines.size() / 2));
    auto bad_input = lines, bad_count = lines;
    std::replace(bad_input.begin(), bad_input.end(), std::string("D 0"), std::string("X 0"));
    std::replace(bad_count.begin(), bad_count.end(), std::string("seeds 2"), std::string("seeds 3"));
    const struct {
        std::vector<std::string> lines;
        Replay_Error error;
    } cases[] = {
        {without_last, Replay_Error::Damaged},
        {half, Replay_Error::Damaged},
        {bad_input, Replay_Error::Damaged},
        {bad_count, Replay_Error::Damaged},
        {{"Quarvex replay x"}, Replay_Error::Damaged},
        {{"Pelko", " 0 "}, Replay_Error::Foreign},
        {{}, Replay_Error::Foreign},
        {{"Quarvex replay 2", "program 99"}, Replay_Error::Newer},
    };
    for (const auto& c : cases) {
        Replay r = written;
        EXPECT_EQ(Parse_Replay(c.lines, r), c.error) << (c.lines.empty() ? "" : c.lines[0]) << c.lines.size();
        EXPECT_TRUE(r.inputs.empty() && r.player.empty());
        EXPECT_FALSE(Replay_Message(c.error).empty());
    }
    EXPECT_EQ(Read_Replay(dir.Path() / "missing.qvr", read), Replay_Error::Unreadable);
}

TEST(ReplayStore, keeps_the_table_games_and_the_last_twenty_and_never_reuses_a_name)
{
    TempDir dir;
    ReplayStore store;
    store.Set_Folder(dir.Path() / "replays");
    // 30 games a second apart; the 3rd and 9th (Ann, 500) and the 5th (Bob, 700) entered the table.
    for (int i = 1; i <= 30; ++i) {
        Replay r = Small_Replay();
        r.started = "2026-12-08 06:00:" + std::string(i < 10 ? "0" : "") + std::to_string(i);
        r.player = i == 5 ? "Bob" : "Ann";
        r.placed = i == 3 || i == 5 || i == 9;
        r.result.score = i == 5 ? 700 : 500;
        ASSERT_FALSE(store.Save(r, 77).empty());
    }
    const fs::path twin = store.Save(Small_Replay(), 77), third = store.Save(Small_Replay(), 77);
    EXPECT_NE(twin, third);
    const std::vector<std::string> names = {"Bob", "Ann", "Ann", "Ann"};
    const std::vector<double> scores = {700, 500, 500, 500};
    const auto links = store.Links(names, scores);
    ASSERT_EQ(links.size(), 4u);
    // Equal entries match newest to newest: the oldest Ann entry predates the replays.
    EXPECT_EQ(links[0].filename(), "20261208060005-77.qvr");
    EXPECT_TRUE(links[1].empty());
    EXPECT_EQ(links[2].filename(), "20261208060003-77.qvr");
    EXPECT_EQ(links[3].filename(), "20261208060009-77.qvr");
    store.Prune(names, scores);
    std::vector<std::string> kept;
    for (const auto& e : store.List())
        kept.push_back(e.file.filename().string());
    ASSERT_EQ(kept.size(), 23u);
    EXPECT_EQ(kept[0], "20261208060003-77.qvr");
    EXPECT_EQ(kept[1], "20261208060005-77.qvr");
    EXPECT_EQ(kept[2], "20261208060009-77.qvr");
    EXPECT_EQ(kept[3], "20261208060011-77.qvr");
}

// Each copy writes one replay and is killed at some moment of it: whole files only remain.
TEST(ReplayStore, killed_writes_leave_whole_replays_and_at_most_one_temporary)
{
    TempDir dir;
    ReplayStore store;
    store.Set_Folder(dir.Path());
    Replay big = Small_Replay();
    big.inputs.resize(10000, ReplayInput(ReplayInput::Key_Down, KEY_LEFT));
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(store.Save(big, kill).empty() ? 1 : 0);
        // Kills at moments spread over a write, which takes a few milliseconds.
        usleep(useconds_t((kill * 397) % 8000));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    int temporaries = 0;
    for (const auto& f : fs::directory_iterator(dir.Path())) {
        Replay r;
        if (f.path().extension() == ".qvr")
            EXPECT_EQ(Read_Replay(f.path(), r), Replay_Error::None) << f.path();
        else
            ++temporaries;
    }
    EXPECT_LE(temporaries, 1);
}

} // namespace
} // namespace qv::test
