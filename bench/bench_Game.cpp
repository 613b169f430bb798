#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <system_error>

#include "game/GameCore.h"
#include "game/GameRecorder.h"

// Speed of the rules of play without a window: whole games driven by random
// presses, row removal, and one landing with its drawing.
namespace {

using namespace qv;

// Reproducible chance: the same games on every run.
class SeededRandom : public IRandomSource {
public:
    explicit SeededRandom(uint64_t seed) : state_(seed) {}
    float Rnd() override { return float(Next() >> 40) * (1.0f / 16777216.0f); }
    void Randomize() override {}
    uint64_t Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }

private:
    uint64_t state_;
};

// The middle of a minute: each stir draws 61 values, the average cost.
class HalfMinuteClock : public IClock {
public:
    int Seconds() override { return 30; }
};

// A records file in a private temporary folder, removed afterwards.
class TempRecords {
public:
    TempRecords()
    {
        const std::string name = "quarvex-bench-" + std::to_string(std::random_device{}());
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(dir_);
    }
    ~TempRecords()
    {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::filesystem::path File() const { return dir_ / "QuarvexFathers.txt"; }

private:
    std::filesystem::path dir_;
};

// A game wired to the null window, seeded chance and, on request, null pictures.
struct Bench {
    explicit Bench(bool canvases)
    {
        game.objRecords.Set_File(records.File());
        if (canvases)
            game.Set_Canvases(&board, &next, &future);
    }
    TempRecords records;
    HeadlessView view;
    SeededRandom rnd{0x9E3779B97F4A7C15ull};
    HalfMinuteClock clock;
    NullCanvas board, next, future;
    GameCore game{view, rnd, clock};
};

// One press of a random game key every eight ticks.
void Press_Random_Key(GameCore& game, SeededRandom& player)
{
    static const int keys[] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_SPACE};
    const int key = keys[player.Next() % 5];
    game.Form_KeyDown(key);
    game.Form_KeyUp(key);
}

void BM_HeadlessGame(benchmark::State& state)
{
    Bench b(false);
    SeededRandom player(12345);
    int64_t ticks = 0;
    int64_t landings = 0;
    for (auto _ : state) {
        b.view.lost = false;
        b.game.lScore = 0;
        b.game.iLevelSpeed = 0;
        b.game.Form_Load(false);
        for (int64_t t = 0; !b.view.lost && t < 5'000'000; ++t) {
            if (t % 8 == 0)
                Press_Random_Key(b.game, player);
            b.game.tmrDown_Timer();
            ++ticks;
        }
        landings += b.game.iFigureNo;
    }
    state.counters["ticks"] = benchmark::Counter(double(ticks), benchmark::Counter::kIsRate);
    state.counters["landings"] = benchmark::Counter(double(landings), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeadlessGame)->Unit(benchmark::kMillisecond);

// The same games with the game's own chance, every input applied directly (0) or through the
// recorder (1), which keeps the replay of each game: the two rates differ by the cost of recording.
void BM_RecordedGame(benchmark::State& state)
{
    const bool recorded = state.range(0) != 0;
    TempRecords records;
    HeadlessView view;
    HalfMinuteClock clock;
    ReplayChance chance(clock);
    GameCore game(view, chance, chance);
    GameRecorder recorder(game, chance);
    game.objRecords.Set_File(records.File());
    uint64_t seed = 1;
    chance.Seed_Source = [&seed] { return seed++; };
    SeededRandom player(12345);
    static const int keys[] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, KEY_SPACE};
    uint64_t now = 0;
    auto input = [&](ReplayInput in) { recorded ? recorder.Input(std::move(in), now) : Apply_Input(game, in); };
    int64_t ticks = 0;
    for (auto _ : state) {
        view.lost = false;
        input({ReplayInput::Start, 0});
        for (int64_t t = 0; !view.lost && t < 5'000'000; ++t, now += 16) {
            if (t % 8 == 0) {
                const int key = keys[player.Next() % 5];
                input({ReplayInput::Key_Down, key});
                input({ReplayInput::Key_Up, key});
            }
            input({ReplayInput::Ticks, 1});
            ++ticks;
        }
        if (recorded)
            benchmark::DoNotOptimize(recorder.Finish());
    }
    state.counters["ticks"] = benchmark::Counter(double(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RecordedGame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

using Board = decltype(GameState::arrBoard);

// Full rows except the gap columns, and a few scattered cells above them.
Board Rows_Board(std::initializer_list<int> fullRows, std::initializer_list<int> gaps)
{
    Board board{};
    for (int row : fullRows)
        for (int col = 4; col <= 18; ++col)
            board[size_t(col)][size_t(row)] = std::find(gaps.begin(), gaps.end(), col) == gaps.end();
    for (int row = 20; row <= 26; ++row)
        board[size_t(4 + row % 15)][size_t(row)] = true;
    return board;
}

void BM_Remove_Full_Lines(benchmark::State& state)
{
    Bench b(false);
    b.game.Form_Load(false);
    const Board full = Rows_Board({27, 28, 29, 30}, {});
    for (auto _ : state) {
        b.game.arrBoard = full;
        b.game.iLevelLines = 0;
        b.game.iLevelSpeed = 0;
        int16_t lines = 0;
        b.game.Remove_Full_Lines(b.game.iLevelSpeed, lines);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_Remove_Full_Lines);

void BM_Landing(benchmark::State& state)
{
    Bench b(true);
    b.game.Form_Load(false);
    b.game.EnableLoop = false;
    const Board board = Rows_Board({30}, {9, 10});
    FigureArray square{};
    square[1][1] = square[2][1] = square[1][2] = square[2][2] = true;
    for (auto _ : state) {
        b.game.arrBoard = board;
        b.game.arrFig = square;
        b.game.arrQueue[1] = FigureRecord{Classic_Pattern(6), 0, false};
        b.game.btX = 8;
        b.game.btY = 28;
        b.game.bDrop = true;
        b.game.iLevelLines = 0;
        b.game.iLevelSpeed = 0;
        b.game.iFigureNo = 0;
        b.game.lScore = 0;
        b.game.lTimeBonusSum = 0;
        b.game.lClicksTotal = 0;
        b.game.tmrDown_Timer();
        benchmark::DoNotOptimize(b.game.lScore);
    }
}
BENCHMARK(BM_Landing);

} // namespace
