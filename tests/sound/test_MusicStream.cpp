#include <gtest/gtest.h>

#include <numeric>

#include "sound/MusicStream.h"

using qv::ClockOutput;
using qv::MusicTrack;
using Clock = std::chrono::steady_clock;

namespace {

// A reader that hands out frames numbered 0, 1, 2, ... (both sides) at most `chunk` at a time,
// as a slow disk or a decoder that works packet by packet does.
struct SlowReader : qv::IMusicDecoder {
    SlowReader(int total, int chunk) : total(total), chunk(chunk) {}
    int Rate() const override { return 44100; }
    int Read(int16_t* out, int frames) override
    {
        const int n = std::min({frames, chunk, total - next});
        for (int i = 0; i < n; ++i)
            out[2 * i] = out[2 * i + 1] = int16_t(next++);
        return n;
    }
    bool Seek(int64_t frame) override { return next = int(frame), true; }
    int total, chunk, next = 0;
};

// An output that plays only when the test says so, keeping every frame it was given.
struct HandOutput : qv::IMusicOutput {
    int Take_Played() override { return std::exchange(played, 0); }
    bool Queue(const int16_t* data, int frames, int) override
    {
        queued.push_back(frames);
        heard.insert(heard.end(), data, data + 2 * frames);
        return true;
    }
    int64_t Offset() override { return 0; }
    void Play() override {}
    void Clear() override { queued.clear(); }
    // Plays whole buffers worth `frames`; false when the queue ran dry first.
    bool Consume(int frames)
    {
        for (; frames > 0; ++played, frames -= queued.front(), queued.pop_front())
            if (queued.empty())
                return false;
        return true;
    }
    int Ahead() const { return std::accumulate(queued.begin(), queued.end(), 0); }
    std::deque<int> queued;
    std::vector<int16_t> heard;
    int played = 0;
};

} // namespace

TEST(MusicTrack, slow_reader_never_lets_the_queue_run_dry_and_loses_no_frame)
{
    // Packets of 7 frames; the output plays two buffers between pumps, so a queue of short
    // buffers, or of one buffer per read, runs dry.
    const int total = 20 * MusicTrack::kBufferFrames + 123;
    auto output = std::make_unique<HandOutput>();
    HandOutput& out = *output;
    MusicTrack track(std::move(output));
    auto reader = std::make_unique<SlowReader>(total, 7);
    const SlowReader& read = *reader;
    track.Start(std::move(reader));
    ASSERT_TRUE(track.Pump());
    while (read.next < total) {
        ASSERT_TRUE(out.Consume(2 * MusicTrack::kBufferFrames)) << "ran dry at frame " << read.next;
        ASSERT_FALSE(track.Ended());
        track.Pump();
    }
    ASSERT_TRUE(out.Consume(out.Ahead()));
    track.Pump();
    EXPECT_TRUE(track.Ended());
    ASSERT_EQ(out.heard.size(), size_t(2 * total));
    for (int i = 0; i < total; ++i)
        ASSERT_EQ(out.heard[2 * size_t(i)], int16_t(i)) << "frame " << i;
    EXPECT_EQ(track.Position_Ms(), int64_t(total) * 1000 / 44100);
}

TEST(ClockOutput, plays_at_real_speed_ends_when_dry_and_restarts_from_the_next_play)
{
    Clock::time_point now{};
    ClockOutput clock([&] { return now; });
    auto at_ms = [&](int ms) { now = Clock::time_point{} + std::chrono::milliseconds(ms); };
    // Two buffers of a second at 22050 Hz and one of half a second at 44100 Hz.
    clock.Queue(nullptr, 22050, 22050);
    clock.Queue(nullptr, 22050, 22050);
    clock.Queue(nullptr, 22050, 44100);
    EXPECT_EQ(clock.Offset(), 0) << "nothing plays before Play";
    clock.Play();
    struct Row {
        int ms;
        int64_t offset;
        int taken;
    };
    for (const Row& r : {Row{0, 0, 0}, Row{500, 11025, 0}, Row{999, 22027, 0}, Row{1000, 22050, 1}, Row{1250, 5512, 0},
                         Row{2000, 22050, 1}, Row{2250, 11025, 0}, Row{2499, 22005, 0}, Row{2500, 22050, 1}}) {
        at_ms(r.ms);
        EXPECT_EQ(clock.Offset(), r.offset) << r.ms << " ms";
        EXPECT_EQ(clock.Take_Played(), r.taken) << r.ms << " ms";
    }
    // Dry: time stands still until the next buffer is queued and played.
    at_ms(9000);
    EXPECT_EQ(clock.Offset(), 0);
    clock.Queue(nullptr, 22050, 22050);
    at_ms(9500);
    EXPECT_EQ(clock.Offset(), 0);
    clock.Play();
    at_ms(10000);
    EXPECT_EQ(clock.Offset(), 11025);
    clock.Clear();
    EXPECT_EQ(clock.Offset(), 0);
    EXPECT_EQ(clock.Take_Played(), 0);
}
