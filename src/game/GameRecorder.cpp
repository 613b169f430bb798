#include "game/GameRecorder.h"

#include <limits>

namespace qv {

bool Apply_Input(GameCore& game, const ReplayInput& in)
{
    switch (in.code) {
    case ReplayInput::Start:
        // What the end of the previous game leaves, set again so that a game replays alone.
        game.lScore = 0;
        game.iLevelSpeed = 0;
        game.Form_Load(in.a != 0);
        break;
    case ReplayInput::Ticks:
        for (int32_t i = 0; i < in.a; ++i)
            game.tmrDown_Timer();
        break;
    case ReplayInput::Demo_Tick: game.tmrDemo_Timer(); break;
    case ReplayInput::Level_Tick: game.tmrLevel_Timer(); break;
    case ReplayInput::Lines_Tick: game.tmrMigCountLines_Timer(); break;
    case ReplayInput::Key_Down: game.Form_KeyDown(in.a); break;
    case ReplayInput::Key_Up: game.Form_KeyUp(in.a); break;
    case ReplayInput::Button_Down:
        switch (Button(in.a)) {
        case Button::LeftRight0: game.cmdLeftRight_MouseDown(0); break;
        case Button::LeftRight2: game.cmdLeftRight_MouseDown(2); break;
        case Button::Rotate0: game.cmdRotate_MouseDown(); break;
        case Button::Down: game.cmdDown_MouseDown(); break;
        case Button::Space: game.cmdSpace_MouseDown(); break;
        default: break;
        }
        break;
    case ReplayInput::Button_Up:
        switch (Button(in.a)) {
        case Button::LeftRight0:
        case Button::LeftRight2: game.cmdLeftRight_MouseUp(); break;
        case Button::Rotate0: game.cmdRotate_MouseUp(); break;
        case Button::Down: game.cmdDown_MouseUp(); break;
        case Button::Space: game.cmdSpace_MouseUp(); break;
        default: break;
        }
        break;
    case ReplayInput::Pause: return game.Pause_Changed(in.a != 0);
    case ReplayInput::Demo: game.Demo_Enable(in.a != 0); break;
    case ReplayInput::Sequence:
        game.bUseSequence = in.a != 0;
        game.objSeq.Restore(in.text, uint8_t(in.b));
        break;
    case ReplayInput::Phantom: game.iFantomReplay = int16_t(in.a < 0 ? 0 : in.a > 2 ? 2 : in.a); break;
    default: break;
    }
    return false;
}

ReplayResult Result_Of(const GameCore& game)
{
    ReplayResult r;
    r.score = game.lScore / 10;
    for (int n = 1; n <= 4; ++n)
        r.rows += n * game.arrLineCounts[size_t(n - 1)];
    r.level = game.iLevel;
    r.steps = game.iFigureNo;
    r.clicks = game.lClicksTotal;
    r.quarvex = game.iQuarvexCount;
    return r;
}

void ReplayChance::Randomize()
{
    if (play_) {
        gen_.Set_State(seedAt_ < play_->seeds.size() ? play_->seeds[seedAt_++] : 0);
        return;
    }
    if (Seed_Source)
        gen_.Set_State(Seed_Source());
    else
        gen_.Randomize();
    if (record_)
        record_->seeds.push_back(gen_.State());
}

int ReplayChance::Seconds()
{
    const uint32_t reading = readings_++;
    if (play_) {
        const auto& c = play_->clock;
        while (clockAt_ + 1 < c.size() && c[clockAt_ + 1].first <= reading)
            ++clockAt_;
        return c.empty() ? 0 : c[clockAt_].second;
    }
    const int s = clock_.Seconds();
    if (record_ && s != last_)
        record_->clock.emplace_back(reading, s);
    last_ = s;
    return s;
}

void ReplayChance::Record(Replay* replay)
{
    record_ = replay;
    play_ = nullptr;
    readings_ = 0;
    last_ = -1;
}

void ReplayChance::Play(const Replay* replay)
{
    play_ = replay;
    record_ = nullptr;
    seedAt_ = clockAt_ = 0;
    readings_ = 0;
}

bool GameRecorder::Input(ReplayInput in, uint64_t nowMs)
{
    if (in.code == ReplayInput::Start) {
        replay_ = Replay{};
        recording_ = true;
        fantom_ = -1;
        lastMs_ = nowMs;
        chance_.Record(&replay_);
        replay_.inputs.emplace_back(ReplayInput::Sequence, game_.bUseSequence ? 1 : 0, game_.objSeq.Cursor(),
                                    game_.objSeq.Items());
    }
    if (recording_) {
        auto& inputs = replay_.inputs;
        // The phantom setting decides whether the phantom draws its colours from chance.
        if (game_.iFantom != fantom_) {
            fantom_ = game_.iFantom;
            inputs.emplace_back(ReplayInput::Phantom, fantom_);
        }
        if (in.code == ReplayInput::Ticks && !inputs.empty() && inputs.back().code == ReplayInput::Ticks) {
            inputs.back().a += in.a;
        } else {
            const uint64_t ms = nowMs > lastMs_ ? nowMs - lastMs_ : 0;
            in.ms = uint32_t(ms > UINT32_MAX ? UINT32_MAX : ms);
            lastMs_ = nowMs;
            inputs.push_back(in);
        }
    }
    const bool result = Apply_Input(game_, in);
    if (in.code == ReplayInput::Start && recording_) {
        replay_.tableNames = game_.objRecords.colRecordNames;
        replay_.tableScores = game_.objRecords.colRecordScores;
    }
    return result;
}

void GameRecorder::Statistic_Clear()
{
    if (recording_)
        replay_.statistics.clear();
}

void GameRecorder::Statistic_Add(const std::string& line)
{
    if (recording_)
        replay_.statistics.push_back(line);
}

Replay GameRecorder::Finish()
{
    replay_.result = Result_Of(game_);
    Replay done = std::move(replay_);
    Stop();
    return done;
}

void GameRecorder::Stop()
{
    recording_ = false;
    replay_ = Replay{};
    chance_.Record(nullptr);
}

ReplayPlayer::ReplayPlayer(Replay replay, GameCore& game, ReplayChance& chance)
    : replay_(std::move(replay)), game_(game), chance_(chance)
{
    chance_.Play(&replay_);
}

ReplayPlayer::~ReplayPlayer() { chance_.Play(nullptr); }

double ReplayPlayer::Next_Due() const
{
    if (Done())
        return std::numeric_limits<double>::infinity();
    const ReplayInput& in = replay_.inputs[at_];
    return start_ + (tick_ == 0 ? double(in.ms) : double(in.ms) + tick_ * 1000.0 / 64.0);
}

void ReplayPlayer::Play_Until(double ms)
{
    while (!Done() && Next_Due() <= ms) {
        const ReplayInput& in = replay_.inputs[at_];
        if (in.code == ReplayInput::Ticks) {
            Apply_Input(game_, {ReplayInput::Ticks, 1});
            if (++tick_ < in.a)
                continue;
        } else {
            Apply_Input(game_, in);
        }
        start_ += in.ms;
        tick_ = 0;
        ++at_;
    }
}

namespace {

class NoClock : public IClock {
public:
    int Seconds() override { return 0; }
};

} // namespace

ReplayCheck Check_Replay(const Replay& replay)
{
    HeadlessView view;
    NoClock clock;
    ReplayChance chance(clock);
    GameCore game(view, chance, chance);
    game.objRecords.Hold(replay.tableNames, replay.tableScores);
    {
        ReplayPlayer player(replay, game, chance);
        player.Play_Until(std::numeric_limits<double>::infinity());
    }
    ReplayCheck check;
    check.result = Result_Of(game);
    check.statistics = std::move(view.statistics);
    check.ended = view.lost;
    return check;
}

} // namespace qv
