// Cost of playing a built channel, the latency from a play to the output and
// the resident memory with every sound of the program loaded.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>

#include "sound/AlSound.h"
#include "sound/DirectSound.h"
#include "sound/SoundEvents.h"
#include "sound/clsDMCtrl.h"

namespace {

std::atomic<long> g_allocations{0};

std::string Sound_Folder()
{
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "sound").string();
}

// The default output device, or a device mixing into memory where the machine has none.
qv::AlDevice& Device(bool& noOutput)
{
    static bool none = false;
    static std::unique_ptr<qv::AlDevice> device = [] {
        // The program's own OpenAL settings, as it starts.
        const auto config = std::filesystem::canonical("/proc/self/exe").parent_path() / "alsoft.conf";
        if (!std::getenv("ALSOFT_CONF"))
            setenv("ALSOFT_CONF", config.c_str(), 0);
        auto d = qv::AlDevice::Open();
        if (!d) {
            none = true;
            d = qv::AlDevice::Open_Loopback(44100);
        }
        qv::Set_Sound_Device(d.get());
        return d;
    }();
    noOutput = none;
    return *device;
}

long Resident_KiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

} // namespace

void* operator new(std::size_t n)
{
    ++g_allocations;
    if (void* p = std::malloc(n ? n : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

static void BM_ChannelPlay(benchmark::State& state)
{
    bool noOutput = false;
    qv::AlDevice& device = Device(noOutput);
    bool on = true;
    qv::clsDMCtrl channel(on);
    const auto& d = qv::Sound_Defaults(qv::Channel::Left1);
    channel.DMCtrlPath(Sound_Folder() + "/" + std::string(d.fileName));
    channel.DMCtrlEnabled(true);
    channel.DMCtrlVolume(d.volume);
    channel.DMCtrlFreq(d.frequency);
    channel.DMCtrlPlay(); // builds the buffer
    const long before = g_allocations;
    for (auto _ : state)
        channel.DMCtrlPlay();
    state.counters["allocations_per_play"] = double(g_allocations - before) / double(state.iterations());
    state.counters["no_output_device"] = noOutput;
    // A play is mixed at the next period and heard after the reported latency; without an
    // output device only the period asked for is known.
    const double period = 1000.0 / (noOutput ? qv::AlDevice::kRefresh : device.Refresh());
    state.counters["mix_period_ms"] = period;
    state.counters["reported_latency_ms"] = noOutput ? 0.0 : 1000.0 * device.Source_Latency();
    state.counters["play_to_output_ms"] = period + state.counters["reported_latency_ms"];
}
BENCHMARK(BM_ChannelPlay);

static void BM_AllSoundsLoaded(benchmark::State& state)
{
    bool noOutput = false;
    Device(noOutput);
    bool on = true;
    for (auto _ : state) {
        std::vector<std::unique_ptr<qv::clsDMCtrl>> channels;
        for (const auto& d : qv::kSoundEventsInFileOrder) {
            channels.push_back(std::make_unique<qv::clsDMCtrl>(on));
            channels.back()->DMCtrlPath(Sound_Folder() + "/" + std::string(d.fileName));
            channels.back()->DMCtrlEnabled(true);
            channels.back()->DMCtrlFreq(d.frequency);
            channels.back()->DMCtrlPlay();
        }
        int32_t freq = 0;
        qv::DirectSound::PlayBkgMusic(Sound_Folder() + "/slowrays.wav", freq);
        state.counters["resident_MiB"] = Resident_KiB() / 1024.0;
        qv::DirectSound::ReleaseBkgSound();
    }
}
BENCHMARK(BM_AllSoundsLoaded)->Iterations(3)->Unit(benchmark::kMillisecond);
