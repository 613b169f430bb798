#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "sound/DirectSound.h"
#include "sound/SoundMath.h"
#include "sound/SoundPath.h"
#include "sound/clsDMCtrl.h"
#include "sound/FakeSound.h"

using namespace qv;
namespace fs = std::filesystem;

TEST(SoundUnits, volume_pan_and_rate_do_not_follow_the_decibel_scale)
{
    EXPECT_NEAR(Volume_Gain(-2000), 0.1, 1e-12);
    EXPECT_NEAR(Volume_Gain(0), 1.0, 1e-12);
    const PanGains right = Pan_Split(5000); // left side 50 dB down
    EXPECT_NEAR(20 * std::log10(right.Left), -50.0, 1e-9);
    EXPECT_EQ(right.Right, 1.0);
    const PanGains left = Pan_Split(-10000);
    EXPECT_EQ(left.Left, 1.0);
    EXPECT_NEAR(20 * std::log10(left.Right), -100.0, 1e-9);
    EXPECT_NEAR(Pitch_For(57299, 44100), 57299.0 / 44100, 1e-12);
    EXPECT_EQ(Pitch_For(0, 22050), 1.0);
}

TEST(SoundPath, default_paths_miss_the_files_on_a_case_sensitive_file_system)
{
    const fs::path dir = fs::temp_directory_path() / "quarvex-soundpath";
    fs::remove_all(dir);
    fs::create_directories(dir / "sound");
    std::ofstream(dir / "sound" / "left1.WAV") << "x";
    std::ofstream(dir / "sound" / "slowrays.wav") << "x";
    const std::string folder = dir.string();
    EXPECT_EQ(Resolve_Path(folder + "\\sound\\left1.WAV"), (dir / "sound" / "left1.WAV").string());
    EXPECT_EQ(Resolve_Path(folder + "\\Sound\\slowrays.wav"), (dir / "sound" / "slowrays.wav").string());
    EXPECT_EQ(Resolve_Path(folder + "/SOUND/LEFT1.wav"), (dir / "sound" / "left1.WAV").string());
    EXPECT_EQ(Resolve_Path(folder + "\\Sound\\gone.wav"), (dir / "sound" / "gone.wav").string());
    fs::remove_all(dir);
}

struct Channel_ : ::testing::Test {
    FakeSound device;
    bool soundOn = true;
    clsDMCtrl channel{soundOn};
    void SetUp() override
    {
        channel.DMCtrlPath("/q/left1.WAV");
        channel.DMCtrlEnabled(true);
        channel.DMCtrlVolume(-1322);
        channel.DMCtrlFreq(57299);
    }
};

TEST_F(Channel_, plays_build_once_and_then_start_and_rewind_only)
{
    channel.DMCtrlPlay();
    channel.DMCtrlPlay();
    ASSERT_EQ(device.built.size(), 1u);
    const auto& calls = device.logs[0]->calls;
    EXPECT_EQ(calls, (std::vector<std::string>{"volume", "freq", "play", "rewind", "play", "rewind"}));
    EXPECT_EQ(device.logs[0]->volume, -1322);
    EXPECT_EQ(device.logs[0]->freq, 57299);
}

TEST_F(Channel_, same_volume_written_again_does_not_rebuild_or_enable_does)
{
    channel.DMCtrlPlay();
    channel.DMCtrlEnabled(false);
    channel.DMCtrlPlay();
    channel.DMCtrlEnabled(true);
    channel.DMCtrlPlay();
    EXPECT_EQ(device.built.size(), 1u) << "enabling must keep the buffer";
    EXPECT_TRUE(device.logs[0]->alive);
    channel.DMCtrlVolume(-1322);
    EXPECT_EQ(device.built.size(), 1u) << "a write must not build by itself";
    channel.DMCtrlPlay();
    ASSERT_EQ(device.built.size(), 2u);
    EXPECT_FALSE(device.logs[0]->alive) << "the old buffer is dropped";
}

TEST_F(Channel_, sound_off_or_disabled_still_builds_or_plays)
{
    soundOn = false;
    channel.DMCtrlPlay();
    soundOn = true;
    channel.DMCtrlEnabled(false);
    channel.DMCtrlPlay();
    EXPECT_TRUE(device.built.empty());
}

TEST_F(Channel_, frequency_zero_is_not_replaced_by_the_file_rate)
{
    channel.DMCtrlFreq(0);
    EXPECT_EQ(channel.DMCtrlFreq(), 0);
    channel.DMCtrlPlay();
    EXPECT_EQ(channel.DMCtrlFreq(), 22050);
}

TEST_F(Channel_, missing_file_reads_a_frequency_or_is_not_retried)
{
    device.missing.insert("/q/left1.WAV");
    channel.DMCtrlPlay();
    EXPECT_TRUE(channel.bFailedDMCtrl);
    EXPECT_EQ(channel.DMCtrlFreq(), 0);
    device.missing.clear();
    channel.DMCtrlPlay();
    EXPECT_EQ(device.built.size(), 2u);
    EXPECT_FALSE(channel.bFailedDMCtrl);
    EXPECT_EQ(channel.DMCtrlFreq(), 57299);
}

TEST_F(Channel_, failed_volume_keeps_a_half_built_buffer)
{
    device.failSetVolume = true;
    channel.DMCtrlPlay();
    ASSERT_EQ(device.logs.size(), 1u);
    EXPECT_FALSE(device.logs[0]->alive);
    EXPECT_EQ(channel.Buffer(), nullptr);
    device.failSetVolume = false;
    channel.DMCtrlPlay();
    EXPECT_EQ(device.built.size(), 2u) << "the next play builds again";
}

TEST(Background, failed_open_forgets_the_volume_or_acts_on_a_buffer)
{
    FakeSound device;
    device.missing.insert("/q/none.wav");
    int32_t freq = 1;
    DirectSound::PlayBkgMusic("/q/none.wav", freq);
    EXPECT_TRUE(DirectSound::bFailedBkg());
    EXPECT_EQ(freq, 1);
    DirectSound::SetBkgVolume(-707);
    EXPECT_EQ(DirectSound::iBkgVolume(), -707);
    EXPECT_EQ(DirectSound::GetBkgFreq(), 0);
    DirectSound::ResumeBkgMusic();
    EXPECT_TRUE(device.logs.empty());

    DirectSound::PlayBkgMusic("/q/slowrays.wav", freq);
    EXPECT_FALSE(DirectSound::bFailedBkg());
    EXPECT_EQ(freq, 22050);
    EXPECT_EQ(DirectSound::iBkgVolume(), -707);
    const auto log = device.logs.back();
    EXPECT_EQ(log->calls, (std::vector<std::string>{"play-loop", "rewind"})) << "no stored value applied";
    DirectSound::SetBkgFreq(46717);
    EXPECT_EQ(DirectSound::GetBkgFreq(), 46717);
    DirectSound::ReleaseBkgSound();
    EXPECT_FALSE(log->alive);
}
