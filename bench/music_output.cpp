// Drives the music player on the program's real output device, for bench/measure_music.sh and
// bench/measure_music_capture.sh (OpenAL's wave driver writes what reaches the speakers to a file).
//   music_output track FILE                 synthesises a 3-minute stereo MP3, 44.1 kHz, 192 kb/s
//   music_output play FILE SECONDS MODE     plays FILE through the player, polled once a second as
//                                           the player window does; MODE: loop, once, or effects (loop,
//                                           with the background and every event sound at their defaults,
//                                           a key press every 150 ms)
//   music_output compare CAPTURE [FILE]     the capture's peak and samples at full scale, and the
//                                           correlation of the capture with the decoded track over 10 s
#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sound/AlMP3Play.h"
#include "sound/AlMusicDecoder.h"
#include "sound/AlSound.h"
#include "sound/DirectSound.h"
#include "sound/SoundEvents.h"
#include "sound/clsDMCtrl.h"

namespace {

constexpr int kRate = 44100;

// Chords of a few harmonics, a bass line and noise bursts on the beat, different on each side,
// peaking near full scale as mastered music does.
int Track(const std::string& path)
{
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        std::fprintf(stderr, "music_output: cannot write %s: %s\n", path.c_str(), sf_strerror(nullptr));
        return 1;
    }
    int mode = SF_BITRATE_MODE_CONSTANT;
    sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    double level = (320.0 - 192.0) / (320.0 - 32.0);
    sf_command(f, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    const double roots[] = {220.0, 174.6, 261.6, 196.0};
    std::vector<float> block(2 * kRate);
    uint32_t noise = 1;
    for (int second = 0; second < 180; ++second) {
        for (int i = 0; i < kRate; ++i) {
            const double t = second + double(i) / kRate;
            const double root = roots[int(t / 2) % 4];
            const double beat = std::fmod(t, 0.5);
            noise = noise * 1664525u + 1013904223u;
            const double hit = std::exp(-beat * 40) * (double(noise >> 8) / (1 << 24) - 0.5);
            double l = 0.35 * std::sin(2 * M_PI * root / 2 * t) + 0.6 * hit;
            double r = 0.35 * std::sin(2 * M_PI * root / 2 * t + 0.5) + 0.3 * hit;
            for (double k : {1.0, 1.25, 1.5, 2.0}) {
                l += 0.12 * std::sin(2 * M_PI * root * k * t) * (1 + 0.5 * std::sin(t));
                r += 0.12 * std::sin(2 * M_PI * root * k * 1.003 * t) * (1 - 0.5 * std::sin(t));
            }
            block[2 * size_t(i)] = float(std::clamp(0.85 * l, -0.95, 0.95));
            block[2 * size_t(i) + 1] = float(std::clamp(0.85 * r, -0.95, 0.95));
        }
        sf_writef_float(f, block.data(), kRate);
    }
    sf_close(f);
    return 0;
}

void Pause_Ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string Sound_Folder()
{
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "sound").string();
}

int Play(const std::string& path, int seconds, const std::string& mode)
{
    qv::Start_Sound_Device();
    if (!qv::Sound_Device())
        std::fprintf(stderr, "music_output: no output device, the clock plays the track\n");
    bool on = true;
    std::vector<std::unique_ptr<qv::clsDMCtrl>> channels;
    if (mode == "effects") {
        int32_t freq = 0;
        qv::DirectSound::PlayBkgMusic(Sound_Folder() + "/slowrays.wav", freq);
        qv::DirectSound::SetBkgVolume(qv::kBkgDefaultVolume);
        qv::DirectSound::SetBkgFreq(qv::kBkgDefaultFreq);
        for (const auto& d : qv::kSoundEventsInFileOrder) {
            channels.push_back(std::make_unique<qv::clsDMCtrl>(on));
            channels.back()->DMCtrlPath(Sound_Folder() + "/" + std::string(d.fileName));
            channels.back()->DMCtrlEnabled(true);
            channels.back()->DMCtrlVolume(d.volume);
            channels.back()->DMCtrlFreq(d.frequency);
        }
    }
    qv::MP3Play player;
    player.FileName = path;
    std::printf("mmPlay: %s\n", player.mmPlay().c_str());
    const bool loop = mode != "once";
    for (int tick = 0, press = 0; tick < seconds; ++tick) {
        for (int ms = 0; ms < 1000; ms += 150, ++press) {
            if (!channels.empty())
                channels[size_t(press) % channels.size()]->DMCtrlPlay();
            Pause_Ms(150);
        }
        if (player.IsPlaying())
            std::printf("%2d s: playing, time %s\n", tick + 1, player.Position().c_str());
        else if (loop)
            std::printf("%2d s: ended, restarted: %s\n", tick + 1, player.SeekTo(0).c_str());
        else
            std::printf("%2d s: ended\n", tick + 1);
    }
    player.mmStop();
    channels.clear();
    qv::Stop_Sound_Device();
    return 0;
}

std::vector<float> Read_All(SNDFILE* f, int channels)
{
    std::vector<float> all, block(4096 * size_t(channels));
    for (sf_count_t n; (n = sf_readf_float(f, block.data(), 4096)) > 0;)
        all.insert(all.end(), block.begin(), block.begin() + n * channels);
    return all;
}

// Pearson correlation of `a` from frame `from` and `b` from frame 0 over `frames` stereo frames.
double Correlation(const std::vector<float>& a, size_t from, const std::vector<float>& b, size_t frames)
{
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    const size_t n = 2 * frames;
    for (size_t i = 0; i < n; ++i) {
        const double x = a[2 * from + i], y = b[i];
        sa += x, sb += y, saa += x * x, sbb += y * y, sab += x * y;
    }
    const double cov = sab - sa * sb / double(n);
    return cov / std::sqrt((saa - sa * sa / double(n)) * (sbb - sb * sb / double(n)));
}

// Peak, samples at or beyond full scale, and frames where a channel holds full scale from the frame before.
void Levels(const std::vector<float>& capture)
{
    float peak = 0;
    size_t full = 0, held = 0, stretches = 0, quiet = kRate;
    for (size_t i = 0; i < capture.size(); ++i) {
        const float v = std::fabs(capture[i]);
        peak = std::max(peak, v);
        full += v >= 1.0f;
        held += v >= 1.0f && i >= 2 && capture[i] == capture[i - 2];
        // Sounding stretches, apart by at least 50 ms of silence.
        if (i % 2 == 1) {
            const bool silent = v < 1e-4f && std::fabs(capture[i - 1]) < 1e-4f;
            stretches += !silent && quiet >= kRate / 20;
            quiet = silent ? quiet + 1 : 0;
        }
    }
    std::printf("capture: %.1f s, peak %.4f (%+.2f dBFS), %zu samples at full scale, %zu of them held from the "
                "frame before, %zu sounding stretches\n", double(capture.size()) / 2 / kRate, peak,
                20 * std::log10(peak + 1e-12), full, held, stretches);
}

int Compare(const std::string& capturePath, const std::string& trackPath)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(capturePath.c_str(), SFM_READ, &info);
    if (!f || info.channels != 2) {
        std::fprintf(stderr, "music_output: %s is not a stereo capture\n", capturePath.c_str());
        return 1;
    }
    const std::vector<float> capture = Read_All(f, 2);
    sf_close(f);
    Levels(capture);
    if (trackPath.empty())
        return 0;
    std::string error;
    auto decoder = qv::Open_Music_Decoder(trackPath, error);
    if (!decoder) {
        std::fprintf(stderr, "music_output: %s: %s\n", trackPath.c_str(), error.c_str());
        return 1;
    }
    std::vector<float> track;
    std::vector<int16_t> block(2 * 4096);
    for (int n; (n = decoder->Read(block.data(), 4096)) > 0;)
        for (int i = 0; i < 2 * n; ++i)
            track.push_back(float(block[size_t(i)]) / 32768.0f);
    size_t firstSound = 0;
    while (2 * firstSound < capture.size() && capture[2 * firstSound] == 0 && capture[2 * firstSound + 1] == 0)
        ++firstSound;
    const size_t frames = size_t(10 * decoder->Rate());
    if (decoder->Rate() != info.samplerate || track.size() < 2 * frames) {
        std::printf("track: rate %d Hz or length too short for the comparison\n", decoder->Rate());
        return 0;
    }
    double best = -1;
    size_t at = 0;
    for (size_t from = firstSound > 4096 ? firstSound - 4096 : 0; from < firstSound + 4096; ++from)
        if (2 * (from + frames) <= capture.size())
            if (const double c = Correlation(capture, from, track, decoder->Rate() / 10); c > best)
                best = c, at = from;
    if (2 * (at + frames) > capture.size()) {
        std::printf("capture shorter than 10 s of the track\n");
        return 0;
    }
    std::printf("track found at %.4f s of the capture; correlation over 10 s: %.5f\n", double(at) / kRate,
                Correlation(capture, at, track, frames));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> a(argv + 1, argv + argc);
    if (a.size() == 2 && a[0] == "track")
        return Track(a[1]);
    if (a.size() == 4 && a[0] == "play")
        return Play(a[1], std::stoi(a[2]), a[3]);
    if ((a.size() == 2 || a.size() == 3) && a[0] == "compare")
        return Compare(a[1], a.size() == 3 ? a[2] : "");
    std::fprintf(stderr, "usage: music_output track FILE | play FILE SECONDS loop|once|effects | compare CAPTURE FILE\n");
    return 2;
}
