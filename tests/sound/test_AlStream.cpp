#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound/AlMusicDecoder.h"
#include "sound/AlSound.h"
#include "support/MusicWait.h"

using qv::MusicTrack;

namespace {

// tone.mp3 (440 Hz, 1.5 s at 22050 Hz, amplitude 1/8) streamed into the loopback device at
// 44100 Hz; the test mixes and pumps by hand. The music plays at -10.5 dB.
const double kLevel = 0.125 * std::pow(10.0, -1050 / 2000.0);
struct StreamLoop : ::testing::Test {
    std::unique_ptr<qv::AlDevice> device = qv::AlDevice::Open_Loopback(44100);
    std::unique_ptr<MusicTrack> track;
    void SetUp() override
    {
        ASSERT_TRUE(device) << "no loopback device";
        track = std::make_unique<MusicTrack>(device->Create_Stream());
        std::string error;
        track->Start(qv::Open_Music_Decoder(qv::test::Music_Fixture("tone.mp3").toStdString(), error));
        ASSERT_EQ(error, "");
        track->Pump();
    }
    // Mixes `ms` milliseconds, pumping every 50 ms when `pump`; the peak of the quieter side.
    float Render(int ms, bool pump = true)
    {
        std::vector<float> out(2 * 2205);
        float peak[2] = {0, 0};
        for (int done = 0; done < ms; done += 50) {
            device->Render(out.data(), 2205);
            for (size_t i = 0; i < out.size(); ++i)
                peak[i % 2] = std::max(peak[i % 2], std::fabs(out[i]));
            if (pump)
                track->Pump();
        }
        return std::min(peak[0], peak[1]);
    }
};

} // namespace

TEST_F(StreamLoop, position_is_the_samples_mixed_through_a_dry_queue_the_end_and_a_loop)
{
    // The tone at the music's level on both sides, timed by what was mixed.
    EXPECT_NEAR(Render(500, false), kLevel, 0.1 * kLevel);
    EXPECT_NEAR(track->Position_Ms(), 500, 1);
    // Not pumped for 1.2 s in all: the queue (a second or so) runs dry and the time stops at what
    // was queued; pumped again, it goes on from there, never replaying what has played.
    Render(700, false);
    const int64_t dry = track->Position_Ms();
    EXPECT_GT(dry, 1000);
    EXPECT_LT(dry, 1200);
    track->Pump();
    Render(100);
    EXPECT_NEAR(track->Position_Ms(), dry + 100, 1);
    // The end: the track's length, silence after it.
    Render(1000);
    EXPECT_TRUE(track->Ended());
    EXPECT_NEAR(track->Position_Ms(), 1500, 30);
    EXPECT_EQ(Render(200), 0.0f);
    // The loop: from the start again, at the same level.
    track->Seek(0);
    EXPECT_FALSE(track->Ended());
    EXPECT_EQ(track->Position_Ms(), 0);
    track->Pump();
    EXPECT_NEAR(Render(300), kLevel, 0.1 * kLevel);
    EXPECT_NEAR(track->Position_Ms(), 300, 1);
}
