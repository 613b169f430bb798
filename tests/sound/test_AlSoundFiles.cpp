#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "sound/SoundPath.h"

using namespace qv;

namespace {

struct Sound {
    SF_INFO info{};
    std::vector<std::vector<double>> channels;
    double Peak() const
    {
        double p = 0;
        for (const auto& c : channels)
            for (double x : c)
                p = std::max(p, std::fabs(x));
        return p;
    }
};

// The program folder: the tests are built beside the program.
std::string Program_Folder() { return std::filesystem::canonical("/proc/self/exe").parent_path().string(); }

// Reads a file the way the program names it (Windows separators, any case).
bool Read(const std::string& relative, Sound& s)
{
    SNDFILE* f = sf_open(Resolve_Path(Program_Folder() + relative).c_str(), SFM_READ, &s.info);
    if (!f)
        return false;
    std::vector<double> all(size_t(s.info.frames) * s.info.channels);
    const sf_count_t n = sf_readf_double(f, all.data(), s.info.frames);
    sf_close(f);
    s.channels.assign(size_t(s.info.channels), std::vector<double>(size_t(n)));
    for (sf_count_t i = 0; i < n; ++i)
        for (int c = 0; c < s.info.channels; ++c)
            s.channels[size_t(c)][size_t(i)] = all[size_t(i) * s.info.channels + c];
    return n == s.info.frames && n > 0;
}

struct Effect {
    const char* name;
    double longest; // seconds
};

const Effect kEffects[] = {{"left1.WAV", 0.5},   {"right1.WAV", 0.5}, {"rotate1.WAV", 0.5},  {"drop1.WAV", 0.5},
                           {"drop2.WAV", 0.5},   {"down1.WAV", 0.5},  {"down2.WAV", 0.5},    {"dellin1.WAV", 1.05},
                           {"quarvex1.WAV", 1.05}, {"inverse1.WAV", 0.5}};

} // namespace

TEST(SoundFolder, an_effect_is_missing_long_or_clicks_at_its_ends)
{
    for (const Effect& e : kEffects) {
        Sound s;
        ASSERT_TRUE(Read(std::string("\\sound\\") + e.name, s)) << e.name;
        EXPECT_EQ(s.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16) << e.name;
        EXPECT_EQ(s.info.samplerate, 44100) << e.name;
        EXPECT_LE(s.info.frames, e.longest * 44100) << e.name;
        EXPECT_GE(s.info.frames, 0.05 * 44100) << e.name;
        const auto& x = s.channels[0];
        const double peak = s.Peak();
        EXPECT_GT(peak, 0.3) << e.name;
        const double head = std::fabs(*std::max_element(x.begin(), x.begin() + 22, [](double a, double b) {
            return std::fabs(a) < std::fabs(b);
        }));
        const double tail = std::fabs(*std::max_element(x.end() - 22, x.end(), [](double a, double b) {
            return std::fabs(a) < std::fabs(b);
        }));
        EXPECT_LT(head, 0.1 * peak) << e.name << " starts with a click";
        EXPECT_LT(tail, 0.1 * peak) << e.name << " ends with a click";
        EXPECT_LT(std::fabs(x.front()) + std::fabs(x.back()), 0.001) << e.name;
    }
}

TEST(SoundFolder, the_two_variants_of_an_event_are_the_same_file)
{
    for (auto [a, b] : {std::pair{"drop1.WAV", "drop2.WAV"}, std::pair{"down1.WAV", "down2.WAV"}}) {
        Sound x, y;
        ASSERT_TRUE(Read(std::string("\\sound\\") + a, x));
        ASSERT_TRUE(Read(std::string("\\sound\\") + b, y));
        double diff = 0;
        for (size_t i = 0; i < std::min(x.channels[0].size(), y.channels[0].size()); ++i)
            diff = std::max(diff, std::fabs(x.channels[0][i] - y.channels[0][i]));
        EXPECT_GT(diff, 0.1) << a << " and " << b;
    }
}

TEST(SoundFolder, the_background_starts_off_silence_or_clicks_where_its_loop_joins)
{
    Sound s;
    ASSERT_TRUE(Read("\\Sound\\slowrays.wav", s));
    EXPECT_EQ(s.info.channels, 2);
    EXPECT_EQ(s.info.samplerate, 44100);
    EXPECT_GE(s.info.frames, 10 * 44100);
    EXPECT_LE(s.info.frames, 30 * 44100);
    EXPECT_GT(s.Peak(), 0.2);
    for (const auto& x : s.channels) {
        const size_t n = x.size();
        EXPECT_EQ(x[0], 0.0);
        double bend = 0; // largest change of slope inside the file
        for (size_t i = 1; i + 1 < n; ++i)
            bend = std::max(bend, std::fabs(x[i + 1] - 2 * x[i] + x[i - 1]));
        EXPECT_LE(std::fabs(x[0] - 2 * x[n - 1] + x[n - 2]), 1.5 * bend);
        EXPECT_LE(std::fabs(x[1] - 2 * x[0] + x[n - 1]), 1.5 * bend);
    }
}
