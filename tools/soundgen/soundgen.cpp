// Writes the program's sound folder: ten short event sounds and the looping
// background sound, all synthesised here as 16-bit PCM wave files at 44100 Hz.
// Usage: soundgen OUTPUT_FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 6.283185307179586;

using Samples = std::vector<double>;

// One voice: a pitch gliding from `from` to `to` Hz (as heard after the playback
// speed-up `speed`), a set of harmonic weights and an exponential decay per second.
struct Voice {
    double start = 0, length = 0.1;
    double from = 440, to = 440, speed = 1;
    std::vector<double> harmonics{1.0};
    double decay = 10;
    double vibrato = 0; // depth of a one-cycle up-and-back glide, as a fraction of the pitch
};

void Add_Voice(Samples& out, const Voice& v)
{
    const int first = int(v.start * kRate), count = int(v.length * kRate);
    if (int(out.size()) < first + count)
        out.resize(first + count, 0.0);
    double phase = 0;
    for (int n = 0; n < count; ++n) {
        const double x = double(n) / count;
        const double glide = v.from + (v.to - v.from) * x * (2 - x);
        const double f = glide * (1 + v.vibrato * std::sin(kTwoPi * x * 0.5)) / v.speed;
        phase += kTwoPi * f / kRate;
        double s = 0;
        for (size_t h = 0; h < v.harmonics.size(); ++h)
            s += v.harmonics[h] * std::sin(phase * double(h + 1));
        const double attack = std::min(1.0, n / (0.004 * kRate));
        out[first + n] += s * attack * std::exp(-v.decay * n / kRate);
    }
}

// Scales to `peak` and fades both ends to silence with raised-cosine ramps.
void Finish(Samples& s, double peak, double fadeIn, double fadeOut)
{
    double top = 1e-9;
    for (double x : s)
        top = std::max(top, std::fabs(x));
    const int in = int(fadeIn * kRate), out = int(fadeOut * kRate), n = int(s.size());
    for (int i = 0; i < n; ++i) {
        double g = peak / top;
        if (i < in)
            g *= 0.5 - 0.5 * std::cos(M_PI * i / in);
        if (i >= n - out)
            g *= 0.5 - 0.5 * std::cos(M_PI * (n - 1 - i) / out);
        s[i] *= g;
    }
}

bool Write_Wave(const std::filesystem::path& path, const std::vector<Samples>& channels)
{
    const uint32_t frames = uint32_t(channels[0].size()), nch = uint32_t(channels.size());
    const uint32_t bytes = frames * nch * 2;
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4);
    u32(36 + bytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(uint16_t(nch));
    u32(kRate);
    u32(kRate * nch * 2);
    u16(uint16_t(nch * 2));
    u16(16);
    f.write("data", 4);
    u32(bytes);
    for (uint32_t i = 0; i < frames; ++i)
        for (const Samples& c : channels)
            u16(uint16_t(int16_t(std::lround(std::clamp(c[i], -1.0, 1.0) * 32767))));
    return bool(f);
}

// Speed-ups at which the event sounds play by default (their rate over 44100 Hz).
constexpr double kLeft = 57299.0 / kRate, kRight = 71379.0 / kRate, kRotate = 60920.0 / kRate;
constexpr double kDrop1 = 58103.0 / kRate, kDrop2 = 56092.0 / kRate;
constexpr double kDown1 = 37184.0 / kRate, kDown2 = 33563.0 / kRate;
constexpr double kDelLin = 58506.0 / kRate, kQuarvex = 49655.0 / kRate, kInverse = 60115.0 / kRate;

Samples Effect(std::vector<Voice> voices, double fadeOut)
{
    Samples s;
    for (const Voice& v : voices)
        Add_Voice(s, v);
    Finish(s, 0.7, 0.003, fadeOut);
    return s;
}

Samples Arpeggio(double speed)
{
    std::vector<Voice> notes;
    const double pitches[] = {523.25, 659.26, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i)
        notes.push_back({0.09 * i * speed, 0.45 * speed, pitches[i], pitches[i], speed, {1, 0.3, 0.12}, 6 / speed});
    return Effect(notes, 0.06);
}

Samples Bell(double speed)
{
    std::vector<Voice> v;
    for (double base : {880.0, 1318.5}) {
        const double at = base > 1000 ? 0.16 * speed : 0.0;
        v.push_back({at, 0.7 * speed, base, base, speed, {1}, 4.5 / speed});
        v.push_back({at, 0.5 * speed, base * 2.76, base * 2.76, speed, {0.35}, 9 / speed});
        v.push_back({at, 0.3 * speed, base * 5.4, base * 5.4, speed, {0.15}, 16 / speed});
    }
    return Effect(v, 0.08);
}

// A calm stereo pad whose every partial and every swell completes a whole number
// of cycles in `seconds`, so that the end joins the beginning. Every partial starts at
// phase 0, so the file begins at silence and a start from its beginning cannot click.
std::vector<Samples> Ambient(int seconds)
{
    const int frames = seconds * kRate;
    const double step = 1.0 / seconds; // every frequency is a multiple of this
    struct Partial {
        int cycles;   // over the loop
        double level;
        int swell;    // cycles of its loudness swell over the loop
        double phaseL, phaseR; // of its swell on each side
    };
    const Partial partials[] = {
        {1248, 0.30, 1, 0.0, 2.0}, {1250, 0.22, 2, 1.0, 4.0}, {1872, 0.20, 1, 2.5, 0.5}, {2496, 0.12, 3, 0.7, 3.3},
        {3120, 0.10, 2, 4.1, 1.2}, {3122, 0.07, 1, 5.0, 2.2}, {3744, 0.06, 3, 1.9, 5.5}, {4992, 0.03, 2, 3.0, 0.2}};
    std::vector<Samples> out(2, Samples(size_t(frames), 0.0));
    for (int n = 0; n < frames; ++n) {
        const double t = double(n) / kRate;
        for (const Partial& p : partials) {
            const double tone = std::sin(kTwoPi * p.cycles * step * t);
            const double swell = kTwoPi * p.swell * step * t;
            out[0][n] += p.level * tone * (0.55 + 0.45 * std::sin(swell + p.phaseL));
            out[1][n] += p.level * tone * (0.55 + 0.45 * std::sin(swell + p.phaseR));
        }
    }
    double top = 1e-9;
    for (const Samples& c : out)
        for (double x : c)
            top = std::max(top, std::fabs(x));
    for (Samples& c : out)
        for (double& x : c)
            x *= 0.45 / top;
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    const std::vector<std::pair<const char*, Samples>> effects = {
        {"left1.WAV", Effect({{0, 0.13, 820, 690, kLeft, {1, 0.3, 0.1}, 22}}, 0.03)},
        {"right1.WAV", Effect({{0, 0.13, 690, 820, kRight, {1, 0.3, 0.1}, 22}}, 0.03)},
        {"rotate1.WAV", Effect({{0, 0.08, 1050, 1050, kRotate, {1, 0.2}, 30}, {0.06, 0.12, 1400, 1400, kRotate, {1, 0.2}, 25}}, 0.03)},
        {"drop1.WAV", Effect({{0, 0.32, 1200, 250, kDrop1, {1, 0.5, 0.25}, 6}}, 0.06)},
        {"drop2.WAV", Effect({{0, 0.32, 1100, 220, kDrop2, {1, 0.35, 0.4}, 7}}, 0.06)},
        {"down1.WAV", Effect({{0, 0.26, 190, 95, kDown1, {1, 0.5, 0.2}, 14}}, 0.05)},
        {"down2.WAV", Effect({{0, 0.26, 170, 85, kDown2, {1, 0.6, 0.1, 0.15}, 12}}, 0.05)},
        {"dellin1.WAV", Arpeggio(kDelLin)},
        {"quarvex1.WAV", Bell(kQuarvex)},
        {"inverse1.WAV", Effect({{0, 0.24, 600, 600, kInverse, {1, 0.25}, 8, 1.0}}, 0.04)},
    };
    bool ok = true;
    for (const auto& [name, samples] : effects)
        ok = Write_Wave(folder / name, {samples}) && ok;
    ok = Write_Wave(folder / "slowrays.wav", Ambient(12)) && ok;
    if (!ok)
        std::fprintf(stderr, "soundgen: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
