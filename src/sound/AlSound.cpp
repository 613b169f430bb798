#include "sound/AlSound.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "sound/AlStream.h"
#include "sound/AlWave.h"
#include "sound/DirectSound.h"
#include "sound/SoundMath.h"

namespace qv {

namespace {

// One sound as two sources started and stopped together. A looping sound (the background)
// fades in when it starts or resumes and out before it stops, over one mixing period of the
// device (256 frames with the shipped alsoft.conf, under 6 ms), so that it never jumps.
// A sound played once starts and stops at once.
class AlBuffer : public ISoundBuffer {
public:
    AlBuffer(const SplitSound& sound, std::weak_ptr<int> device, bool mixesAlone)
        : device_(std::move(device)), rate_(sound.Rate), frames_(sound.Frames), mixesAlone_(mixesAlone)
    {
        alGenBuffers(2, buffers_);
        alGenSources(2, sources_);
        const std::vector<int16_t>* sides[2] = {&sound.LeftOnly, &sound.RightOnly};
        for (int i = 0; i < 2; ++i) {
            alBufferData(buffers_[i], AL_FORMAT_STEREO16, sides[i]->data(),
                         ALsizei(sides[i]->size() * sizeof(int16_t)), rate_);
            alSourcei(sources_[i], AL_BUFFER, ALint(buffers_[i]));
            alSourcei(sources_[i], AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
            alSourcei(sources_[i], AL_SOURCE_RELATIVE, AL_TRUE);
            alSourcef(sources_[i], AL_ROLLOFF_FACTOR, 0.0f);
        }
        ok_ = alGetError() == AL_NO_ERROR;
        freq_ = rate_;
    }
    ~AlBuffer() override
    {
        if (device_.expired())
            return;
        alSourceStopv(2, sources_);
        alDeleteSources(2, sources_);
        alDeleteBuffers(2, buffers_);
    }
    bool Valid() const { return ok_; }

    bool Play(bool looping) override
    {
        if (looping != looping_) {
            looping_ = looping;
            for (ALuint s : sources_)
                alSourcei(s, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
        }
        const ALint state = State();
        if (state == AL_PLAYING)
            return alGetError() == AL_NO_ERROR;
        if (looping_) {
            // Resumed, it left its gains at 0 when it stopped: the mixer fades it from there.
            // Started anew, it starts at First_Frame.
            Apply_Gains();
            if (state != AL_PAUSED)
                for (ALuint s : sources_)
                    alSourcei(s, AL_SAMPLE_OFFSET, First_Frame());
        }
        alSourcePlayv(2, sources_);
        return alGetError() == AL_NO_ERROR;
    }
    bool Rewind() override
    {
        if (State() != AL_PLAYING) {
            alSourceRewindv(2, sources_);
        } else if (Offset() > First_Frame()) {
            if (!looping_) {
                alSourcePlayv(2, sources_); // a playing source restarts from its beginning
            } else {
                // Faded out, then in again from its beginning.
                if (!Stop())
                    return false;
                alSourceRewindv(2, sources_);
                return Play(true);
            }
        }
        return alGetError() == AL_NO_ERROR;
    }
    bool Stop() override
    {
        if (looping_ && State() == AL_PLAYING) {
            // A gain change on a playing sound is spread over the next mixing period.
            Set_Gains(0.0, 0.0);
            Wait_Mixed(2);
        }
        alSourcePausev(2, sources_);
        return alGetError() == AL_NO_ERROR;
    }
    bool Set_Volume(int32_t volume) override
    {
        if (!Valid_Volume(volume))
            return false;
        volume_ = volume;
        return Apply_Gains();
    }
    bool Set_Pan(int32_t pan) override
    {
        if (!Valid_Pan(pan))
            return false;
        if (pan == pan_)
            return true;
        pan_ = pan;
        return Apply_Gains();
    }
    bool Set_Frequency(int32_t frequency) override
    {
        if (!Valid_Frequency(frequency))
            return false;
        freq_ = frequency == 0 ? rate_ : frequency;
        for (ALuint s : sources_)
            alSourcef(s, AL_PITCH, float(Pitch_For(freq_, rate_)));
        return alGetError() == AL_NO_ERROR;
    }
    int32_t Frequency() const override { return freq_; }

private:
    ALint State() const
    {
        ALint state = AL_INITIAL;
        alGetSourcei(sources_[0], AL_SOURCE_STATE, &state);
        return state;
    }
    // Where a start puts the sound: one frame in for a looping one, as the mixer fades in a
    // sound started inside it but not one started at its very first frame.
    ALint First_Frame() const { return looping_ && frames_ > 1 ? 1 : 0; }
    ALint Offset() const
    {
        ALint offset = 0;
        alGetSourcei(sources_[0], AL_SAMPLE_OFFSET, &offset);
        return offset;
    }
    bool Apply_Gains()
    {
        const double gain = Volume_Gain(volume_);
        const PanGains pan = Pan_Split(pan_);
        return Set_Gains(gain * pan.Left, gain * pan.Right);
    }
    bool Set_Gains(double left, double right)
    {
        alSourcef(sources_[0], AL_GAIN, float(left));
        alSourcef(sources_[1], AL_GAIN, float(right));
        return alGetError() == AL_NO_ERROR;
    }
    // Returns once the mixer has mixed `periods` more periods of this sound (each moves its
    // play position on), so that a gain set before has been reached; at most 100 ms. A
    // device that mixes only when asked (loopback) is not waited for: there it stops at once.
    void Wait_Mixed(int periods) const
    {
        if (!mixesAlone_)
            return;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
        for (ALint seen = Offset(); periods > 0 && std::chrono::steady_clock::now() < deadline;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (const ALint now = Offset(); now != seen) {
                seen = now;
                --periods;
            }
        }
    }

    std::weak_ptr<int> device_;
    ALuint buffers_[2] = {0, 0};
    ALuint sources_[2] = {0, 0};
    int32_t rate_;
    int64_t frames_;
    int32_t freq_ = 0;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
    bool looping_ = false;
    bool mixesAlone_;
    bool ok_ = false;
};

std::unique_ptr<AlDevice> g_program_device;

} // namespace

AlDevice::AlDevice(ALCdevice* device, ALCcontext* context, bool loopback)
    : device_(device), context_(context), loopback_(loopback)
{
}

AlDevice::~AlDevice()
{
    alive_.reset();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context_);
    alcCloseDevice(device_);
}

namespace {

// Makes a context on `device` current; closes the device and answers null when it cannot.
ALCcontext* Make_Context(ALCdevice* device, const ALCint* attributes)
{
    ALCcontext* context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context) || !alIsExtensionPresent("AL_SOFT_direct_channels")) {
        if (context) {
            alcMakeContextCurrent(nullptr);
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        return nullptr;
    }
    return context;
}

} // namespace

std::unique_ptr<AlDevice> AlDevice::Open(const char* name)
{
    ALCdevice* device = alcOpenDevice(name);
    if (!device)
        return nullptr;
    // The output limiter keeps a loud mix (every sound at full volume at once) within full
    // scale; newer versions of the library leave it off for floating-point output unless asked.
    const ALCint attributes[] = {ALC_REFRESH, kRefresh, ALC_HRTF_SOFT, ALC_FALSE,
                                 ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE, 0};
    ALCcontext* context = Make_Context(device, attributes);
    if (!context)
        return nullptr;
    return std::unique_ptr<AlDevice>(new AlDevice(device, context, false));
}

std::unique_ptr<AlDevice> AlDevice::Open_Loopback(int rate)
{
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
        return nullptr;
    ALCdevice* device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (!device)
        return nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY, rate, ALC_HRTF_SOFT, ALC_FALSE,
                                 ALC_OUTPUT_LIMITER_SOFT, ALC_FALSE, 0};
    ALCcontext* context = Make_Context(device, attributes);
    if (!context)
        return nullptr;
    return std::unique_ptr<AlDevice>(new AlDevice(device, context, true));
}

std::unique_ptr<ISoundBuffer> AlDevice::Create_Buffer(const std::string& path)
{
    SplitSound sound;
    if (!Al_Read_Sound(path, sound))
        return nullptr;
    alGetError();
    auto buffer = std::make_unique<AlBuffer>(sound, alive_, !loopback_);
    if (!buffer->Valid())
        return nullptr;
    return buffer;
}

std::unique_ptr<IMusicOutput> AlDevice::Create_Stream() { return Open_Al_Stream(alive_); }

void AlDevice::Render(float* out, int frames)
{
    if (loopback_)
        alcRenderSamplesSOFT(device_, out, frames);
}

int AlDevice::Refresh() const
{
    ALCint refresh = 0;
    alcGetIntegerv(device_, ALC_REFRESH, 1, &refresh);
    return refresh;
}

double AlDevice::Source_Latency() const
{
    if (!alIsExtensionPresent("AL_SOFT_source_latency"))
        return 0.0;
    ALuint source = 0;
    alGenSources(1, &source);
    ALdouble offsetAndLatency[2] = {0.0, 0.0};
    alGetSourcedvSOFT(source, AL_SEC_OFFSET_LATENCY_SOFT, offsetAndLatency);
    alDeleteSources(1, &source);
    alGetError();
    return offsetAndLatency[1];
}

void Start_Sound_Device(const std::string& config, const char* name)
{
    Stop_Sound_Device();
    if (!config.empty() && !std::getenv("ALSOFT_CONF") && std::filesystem::exists(config))
        setenv("ALSOFT_CONF", config.c_str(), 0);
    g_program_device = AlDevice::Open(name);
    Set_Sound_Device(g_program_device.get());
}

void Stop_Sound_Device()
{
    DirectSound::ReleaseBkgSound();
    Set_Sound_Device(nullptr);
    g_program_device.reset();
}

} // namespace qv
