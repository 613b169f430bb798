#pragma once
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "sound/SoundDevice.h"

// A sound device that keeps a log instead of playing: which files were built and
// what each buffer was told. Files in `missing` fail to build; `rate` is every file's own rate.
struct FakeSound : qv::ISoundDevice {
    struct Log {
        std::vector<std::string> calls; // "play", "play-loop", "rewind", "stop", "volume", "freq"
        std::vector<int> pans;
        int volume = 0, freq = 0;
        bool alive = true;
    };
    struct Buffer : qv::ISoundBuffer {
        std::shared_ptr<Log> log;
        int rate;
        bool failSetVolume;
        Buffer(std::shared_ptr<Log> l, int r, bool f) : log(std::move(l)), rate(r), failSetVolume(f) {}
        ~Buffer() override { log->alive = false; }
        bool Play(bool looping) override { return Note(looping ? "play-loop" : "play"); }
        bool Rewind() override { return Note("rewind"); }
        bool Stop() override { return Note("stop"); }
        bool Set_Volume(int32_t v) override { log->volume = v; return Note("volume") && !failSetVolume; }
        bool Set_Pan(int32_t p) override { log->pans.push_back(p); return true; }
        bool Set_Frequency(int32_t f) override { log->freq = f ? f : rate; return Note("freq"); }
        int32_t Frequency() const override { return log->freq ? log->freq : rate; }
        bool Note(const char* what) { log->calls.push_back(what); return true; }
    };

    std::unique_ptr<qv::ISoundBuffer> Create_Buffer(const std::string& path) override
    {
        built.push_back(path);
        if (missing.count(path))
            return nullptr;
        logs.push_back(std::make_shared<Log>());
        return std::make_unique<Buffer>(logs.back(), rate, failSetVolume);
    }
    std::vector<std::string> built;
    std::vector<std::shared_ptr<Log>> logs; // one per built buffer, oldest first
    std::set<std::string> missing;
    int rate = 22050;
    bool failSetVolume = false;

    FakeSound() { qv::Set_Sound_Device(this); }
    ~FakeSound() override { qv::Set_Sound_Device(nullptr); }
};
