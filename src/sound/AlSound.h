#pragma once
#include <AL/alc.h>

#include <memory>
#include <string>

#include "sound/SoundDevice.h"

namespace qv {

// The program's one OpenAL device and context. Each sound is two sources, a
// left-only and a right-only stereo buffer played straight to their output
// sides, so that pan attenuates exactly the other side.
class AlDevice : public ISoundDevice {
public:
    // Mixing updates per second asked of the device (a short period keeps latency low).
    static constexpr int kRefresh = 200;

    // The output device `name` (null: the default) with a short mixing period; null when none opens.
    static std::unique_ptr<AlDevice> Open(const char* name = nullptr);
    // A device that renders stereo float samples at `rate` Hz into memory; null when unavailable.
    static std::unique_ptr<AlDevice> Open_Loopback(int rate);
    ~AlDevice() override;

    std::unique_ptr<ISoundBuffer> Create_Buffer(const std::string& path) override;
    std::unique_ptr<IMusicOutput> Create_Stream() override;
    // Loopback devices only: mixes `frames` stereo frames into `out`.
    void Render(float* out, int frames);
    // Mixing updates per second the device runs at.
    int Refresh() const;
    // Output latency in seconds that OpenAL reports for a source on this device.
    double Source_Latency() const;

private:
    AlDevice(ALCdevice* device, ALCcontext* context, bool loopback);

    ALCdevice* device_;
    ALCcontext* context_;
    bool loopback_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// Opens the default output device and makes it the program's sound device; without
// one the program stays silent. Kept until Stop_Sound_Device. `config` is an OpenAL
// settings file (the mixing period) used unless the environment names one already.
void Start_Sound_Device(const std::string& config = std::string(), const char* name = nullptr);
void Stop_Sound_Device();

} // namespace qv
