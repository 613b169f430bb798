#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "sound/AlSound.h"
#include "sound/AlWave.h"
#include "sound/DirectSound.h"
#include "sound/clsDMCtrl.h"

using namespace qv;
namespace fs = std::filesystem;

namespace {

// One folder per test process: CTest runs the tests of this file side by side, and a file
// rewritten by one while another reads it would be heard half-written.
const fs::path kDir = fs::temp_directory_path() / ("quarvex-alsound-" + std::to_string(getpid()));
const struct Remove_At_Exit {
    ~Remove_At_Exit() { std::error_code e; fs::remove_all(kDir, e); }
} removeAtExit;

// Writes a wave file of `frames` frames; `sample(frame, channel)` gives each value in -1..1.
std::string Wave(const std::string& name, int rate, int channels, int frames,
                 const std::function<double(int, int)>& sample, int format = SF_FORMAT_PCM_16)
{
    fs::create_directories(kDir);
    const std::string path = (kDir / name).string();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    std::vector<double> data(size_t(frames) * channels);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            data[size_t(i) * channels + c] = sample(i, c);
    sf_writef_double(f, data.data(), frames);
    sf_close(f);
    return path;
}

// 1 s at 22050 Hz whose value tells the position: 0.9 * frame / 22050.
std::string Ramp() { return Wave("ramp.wav", 22050, 1, 22050, [](int i, int) { return 0.9 * i / 22050; }); }

struct AlLoop : ::testing::Test {
    std::unique_ptr<AlDevice> device = AlDevice::Open_Loopback(44100);
    bool soundOn = true;
    void SetUp() override
    {
        ASSERT_TRUE(device) << "no loopback device";
        Set_Sound_Device(device.get());
    }
    void TearDown() override
    {
        DirectSound::ReleaseBkgSound();
        Set_Sound_Device(nullptr);
    }
    // `frames` stereo frames of output, interleaved left, right.
    std::vector<float> Render(int frames)
    {
        std::vector<float> out(size_t(frames) * 2);
        device->Render(out.data(), frames);
        return out;
    }
    std::unique_ptr<clsDMCtrl> Channel(const std::string& path, int16_t volume, int32_t freq)
    {
        auto c = std::make_unique<clsDMCtrl>(soundOn);
        c->DMCtrlPath(path);
        c->DMCtrlEnabled(true);
        c->DMCtrlVolume(volume);
        c->DMCtrlFreq(freq);
        return c;
    }
};

double Mean(const std::vector<float>& s, int side, int from, int to)
{
    double sum = 0;
    for (int i = from; i < to; ++i)
        sum += s[size_t(i) * 2 + side];
    return sum / (to - from);
}

} // namespace

TEST_F(AlLoop, volume_minus_2000_does_not_give_a_tenth_of_the_amplitude)
{
    const std::string dc = Wave("dc.wav", 44100, 1, 44100, [](int, int) { return 0.5; });
    auto full = Channel(dc, 0, 0);
    full->DMCtrlPlay();
    const auto a = Render(2000);
    full.reset();
    auto quiet = Channel(dc, -2000, 0);
    quiet->DMCtrlPlay();
    const auto b = Render(2000);
    EXPECT_NEAR(Mean(a, 0, 100, 2000), 0.5, 0.001);
    EXPECT_NEAR(Mean(a, 1, 100, 2000), 0.5, 0.001);
    EXPECT_NEAR(Mean(b, 0, 100, 2000) / Mean(a, 0, 100, 2000), 0.1, 0.0005);
    EXPECT_NEAR(Mean(b, 1, 100, 2000) / Mean(a, 1, 100, 2000), 0.1, 0.0005);
}

TEST_F(AlLoop, pan_mixes_the_sides_or_misses_50_dB_on_the_other_side)
{
    const std::string st = Wave("stereo.wav", 44100, 2, 44100, [](int, int c) { return c == 0 ? 0.5 : 0.25; });
    int32_t freq = 0;
    DirectSound::PlayBkgMusic(st, freq);
    Render(2048); // the start fades in
    auto out = Render(2000);
    EXPECT_NEAR(Mean(out, 0, 100, 2000), 0.5, 0.001);
    EXPECT_NEAR(Mean(out, 1, 100, 2000), 0.25, 0.001);
    DirectSound::SetBkgPan(5000);
    Render(22050); // a change on a playing sound fades in
    out = Render(2000);
    EXPECT_NEAR(20 * std::log10(Mean(out, 0, 0, 2000) / 0.5), -50.0, 0.1);
    EXPECT_NEAR(Mean(out, 1, 0, 2000), 0.25, 0.001);
    DirectSound::SetBkgPan(-5000);
    Render(22050);
    out = Render(2000);
    EXPECT_NEAR(Mean(out, 0, 0, 2000), 0.5, 0.001);
    EXPECT_NEAR(20 * std::log10(Mean(out, 1, 0, 2000) / 0.25), -50.0, 0.1);
}

TEST_F(AlLoop, frequency_zero_does_not_play_at_the_file_rate)
{
    auto own = Channel(Ramp(), 0, 0);
    own->DMCtrlPlay();
    EXPECT_EQ(own->DMCtrlFreq(), 22050);
    auto out = Render(4410); // 0.1 s: the file's rate reaches frame 2205
    EXPECT_NEAR(out[2 * 4409], 0.9 * 2205 / 22050, 0.001);
    own.reset();
    auto doubled = Channel(Ramp(), 0, 44100);
    doubled->DMCtrlPlay();
    out = Render(4410);
    EXPECT_NEAR(out[2 * 4409], 0.9 * 4410 / 22050, 0.001);
}

TEST_F(AlLoop, background_jumps_to_its_level_at_its_start)
{
    int32_t freq = 0;
    DirectSound::PlayBkgMusic(Wave("loud.wav", 44100, 1, 44100, [](int, int) { return 0.5; }), freq);
    const auto out = Render(2048); // one mixing period of the loopback device
    for (size_t i = 0; i < out.size(); i += 2)
        ASSERT_LT(std::fabs(out[i] - (i ? out[i - 2] : 0.0f)), 0.005f) << i;
    EXPECT_NEAR(out[out.size() - 2], 0.5, 0.005);
}

TEST_F(AlLoop, second_play_doubles_the_sound_or_does_not_restart_it)
{
    auto c = Channel(Ramp(), 0, 0);
    c->DMCtrlPlay();
    const auto first = Render(2000);
    c->DMCtrlPlay();
    const auto again = Render(2000);
    for (size_t i = 0; i < first.size(); ++i)
        ASSERT_NEAR(again[i], first[i], 0.001) << i;
}

TEST_F(AlLoop, resume_starts_over_instead_of_going_on_from_the_stop)
{
    int32_t freq = 0;
    DirectSound::PlayBkgMusic(Ramp(), freq);
    EXPECT_EQ(freq, 22050);
    const float reached = Render(4410)[2 * 4409];
    DirectSound::StopBkgMusic();
    const auto silent = Render(1000);
    EXPECT_LT(*std::max_element(silent.begin() + 200, silent.end()), 1e-6f);
    DirectSound::ResumeBkgMusic();
    const auto resumed = Render(10);
    EXPECT_GT(reached, 0.08f);
    EXPECT_NEAR(resumed[0], reached, 0.0005);
}

TEST(AlDevice, no_output_device_fails_unlike_a_missing_file)
{
    Start_Sound_Device("", "Quarvex: no such output device");
    EXPECT_EQ(Sound_Device(), nullptr);
    const std::string file = Wave("tone.wav", 44100, 1, 4410, [](int i, int) { return std::sin(i * 0.1); });
    bool on = true;
    clsDMCtrl channel(on);
    channel.DMCtrlPath(file);
    channel.DMCtrlEnabled(true);
    channel.DMCtrlFreq(57299);
    channel.DMCtrlPlay();
    EXPECT_TRUE(channel.bFailedDMCtrl);
    EXPECT_EQ(channel.DMCtrlFreq(), 0);
    int32_t freq = 7;
    DirectSound::PlayBkgMusic(file, freq);
    DirectSound::SetBkgVolume(-707);
    EXPECT_TRUE(DirectSound::bFailedBkg());
    EXPECT_EQ(freq, 7);
    EXPECT_EQ(DirectSound::GetBkgFreq(), 0);
    EXPECT_EQ(DirectSound::iBkgVolume(), -707);
    Stop_Sound_Device();
}

TEST(AlWave, damaged_or_unusual_files_have_no_defined_outcome)
{
    const std::string good = Wave("good.wav", 44100, 1, 1000, [](int i, int) { return std::sin(i * 0.1); });
    SplitSound s;
    EXPECT_FALSE(Al_Read_Sound((kDir / "missing.wav").string(), s));
    std::ofstream(kDir / "empty.wav").close();
    EXPECT_FALSE(Al_Read_Sound((kDir / "empty.wav").string(), s));
    std::ofstream(kDir / "text.wav") << "this is not a sound\n";
    EXPECT_FALSE(Al_Read_Sound((kDir / "text.wav").string(), s));
    fs::copy_file(good, kDir / "header.wav", fs::copy_options::overwrite_existing);
    fs::resize_file(kDir / "header.wav", 44);
    EXPECT_FALSE(Al_Read_Sound((kDir / "header.wav").string(), s));
    fs::copy_file(good, kDir / "cut.wav", fs::copy_options::overwrite_existing);
    fs::resize_file(kDir / "cut.wav", 44 + 200);
    ASSERT_TRUE(Al_Read_Sound((kDir / "cut.wav").string(), s));
    EXPECT_EQ(s.Frames, 100);

    fs::copy_file(good, kDir / "claims.wav", fs::copy_options::overwrite_existing);
    {
        std::fstream f(kDir / "claims.wav", std::ios::in | std::ios::out | std::ios::binary);
        const uint32_t huge = 0x7FFFFFF0u;
        f.seekp(40);
        f.write(reinterpret_cast<const char*>(&huge), 4);
    }
    ASSERT_TRUE(Al_Read_Sound((kDir / "claims.wav").string(), s));
    EXPECT_EQ(s.Frames, 1000);

    ASSERT_TRUE(Al_Read_Sound(Wave("u8.wav", 22050, 1, 500, [](int, int) { return 0.5; }, SF_FORMAT_PCM_U8), s));
    EXPECT_EQ(s.Rate, 22050);
    EXPECT_NEAR(s.LeftOnly[0] / 32768.0, 0.5, 0.01);
    EXPECT_NEAR(s.RightOnly[1] / 32768.0, 0.5, 0.01) << "mono sounds on both sides";
    EXPECT_EQ(s.LeftOnly[1], 0);
    EXPECT_EQ(s.RightOnly[0], 0);
    ASSERT_TRUE(Al_Read_Sound(Wave("st48.wav", 48000, 2, 500, [](int, int c) { return c ? -0.25 : 0.5; }), s));
    EXPECT_EQ(s.Rate, 48000);
    EXPECT_NEAR(s.RightOnly[1] / 32768.0, -0.25, 0.001);
    ASSERT_TRUE(Al_Read_Sound(Wave("long.wav", 1000, 1, 1000 * (kMaxSoundSeconds + 5), [](int, int) { return 0.1; }), s));
    EXPECT_EQ(s.Frames, 1000 * kMaxSoundSeconds);
}
