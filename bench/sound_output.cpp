// Drives the program's sound layer on its real output device, for bench/measure_sound.sh
// to look at what reaches the speakers (OpenAL's wave driver writes it to a file).
//   sound_output edges    the background at its defaults: start, stop, resume, stop
//   sound_output off      the background switched off at start: opened and stopped at once
//   sound_output presses  background and every event at volume 0, twenty presses 30 ms apart
// The sound folder beside this program is used; ALSOFT_CONF chooses the output.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sound/AlSound.h"
#include "sound/DirectSound.h"
#include "sound/SoundEvents.h"
#include "sound/clsDMCtrl.h"

namespace {

void Pause_Ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

std::string Sound_Folder()
{
    return (std::filesystem::canonical("/proc/self/exe").parent_path() / "sound").string();
}

void Edges()
{
    int32_t freq = 0;
    qv::DirectSound::PlayBkgMusic(Sound_Folder() + "/slowrays.wav", freq);
    qv::DirectSound::SetBkgVolume(qv::kBkgDefaultVolume);
    qv::DirectSound::SetBkgFreq(qv::kBkgDefaultFreq);
    Pause_Ms(700);
    qv::DirectSound::StopBkgMusic();
    Pause_Ms(300);
    qv::DirectSound::ResumeBkgMusic();
    Pause_Ms(700);
    qv::DirectSound::StopBkgMusic();
    Pause_Ms(300);
}

// As the settings reader does it for a background sound that is switched off.
void Off()
{
    int32_t freq = 0;
    qv::DirectSound::PlayBkgMusic(Sound_Folder() + "/slowrays.wav", freq);
    qv::DirectSound::StopBkgMusic();
    qv::DirectSound::SetBkgVolume(qv::kBkgDefaultVolume);
    qv::DirectSound::SetBkgFreq(qv::kBkgDefaultFreq);
    Pause_Ms(500);
}

void Presses()
{
    int32_t freq = 0;
    qv::DirectSound::PlayBkgMusic(Sound_Folder() + "/slowrays.wav", freq);
    qv::DirectSound::SetBkgVolume(0);
    qv::DirectSound::SetBkgFreq(qv::kBkgDefaultFreq);
    bool on = true;
    std::vector<std::unique_ptr<qv::clsDMCtrl>> channels;
    for (const auto& d : qv::kSoundEventsInFileOrder) {
        channels.push_back(std::make_unique<qv::clsDMCtrl>(on));
        channels.back()->DMCtrlPath(Sound_Folder() + "/" + std::string(d.fileName));
        channels.back()->DMCtrlEnabled(true);
        channels.back()->DMCtrlVolume(0);
        channels.back()->DMCtrlFreq(d.frequency);
    }
    Pause_Ms(300);
    for (int press = 0; press < 20; ++press) {
        channels[size_t(press) % channels.size()]->DMCtrlPlay();
        Pause_Ms(30);
    }
    Pause_Ms(1000);
    channels.clear();
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "edges" && mode != "off" && mode != "presses") {
        std::fprintf(stderr, "usage: sound_output edges|off|presses\n");
        return 2;
    }
    qv::Start_Sound_Device();
    if (!qv::Sound_Device()) {
        std::fprintf(stderr, "sound_output: no output device\n");
        return 1;
    }
    mode == "edges" ? Edges() : mode == "off" ? Off() : Presses();
    qv::Stop_Sound_Device();
    return 0;
}
