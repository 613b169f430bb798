#include "sound/AlStream.h"

#define AL_ALEXT_PROTOTYPES
#include <AL/al.h>
#include <AL/alext.h>

#include <deque>
#include <vector>

#include "sound/SoundMath.h"

namespace qv {

namespace {

// The music's source. OpenAL counts a queue's play position from its first buffer still queued,
// played or not, and reads a stopped source (one that ran dry) as all played and at offset 0;
// buffers are taken back only through Take_Played, so that the offset and the count agree.
class AlStream : public IMusicOutput {
public:
    AlStream(ALuint source, std::weak_ptr<int> device) : source_(source), device_(std::move(device)) {}
    ~AlStream() override
    {
        if (device_.expired())
            return;
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        alDeleteSources(1, &source_);
        for (const Queued& q : queued_)
            free_.push_back(q.buffer);
        if (!free_.empty())
            alDeleteBuffers(ALsizei(free_.size()), free_.data());
    }

    int Take_Played() override
    {
        ALint processed = 0;
        if (State() == AL_STOPPED)
            processed = ALint(queued_.size());
        else
            alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
        Unqueue(processed);
        const int taken = processed + drained_;
        drained_ = 0;
        drainedFrames_ = 0;
        return taken;
    }

    bool Queue(const int16_t* data, int frames, int rate) override
    {
        if (State() == AL_STOPPED) {
            // It ran dry: what it holds has played, and a restart must not play it again.
            drained_ += int(queued_.size());
            drainedFrames_ += Queued_Frames();
            Unqueue(int(queued_.size()));
            alSourceRewind(source_);
        }
        ALuint buffer = 0;
        if (free_.empty()) {
            alGetError();
            alGenBuffers(1, &buffer);
            if (alGetError() != AL_NO_ERROR || buffer == 0)
                return false;
        } else {
            buffer = free_.back();
            free_.pop_back();
        }
        alBufferData(buffer, AL_FORMAT_STEREO16, data, ALsizei(frames) * 4, rate);
        alSourceQueueBuffers(source_, 1, &buffer);
        queued_.push_back({buffer, frames});
        return true;
    }

    int64_t Offset() override
    {
        if (State() == AL_STOPPED)
            return drainedFrames_ + Queued_Frames();
        ALint offset = 0;
        alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
        return drainedFrames_ + offset;
    }

    void Play() override
    {
        if (!queued_.empty() && State() != AL_PLAYING)
            alSourcePlay(source_);
    }

    void Clear() override
    {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
        alSourceRewind(source_);
        for (const Queued& q : queued_)
            free_.push_back(q.buffer);
        queued_.clear();
        drained_ = 0;
        drainedFrames_ = 0;
    }

private:
    struct Queued {
        ALuint buffer;
        int frames;
    };

    ALint State() const
    {
        ALint state = AL_INITIAL;
        alGetSourcei(source_, AL_SOURCE_STATE, &state);
        return state;
    }
    int64_t Queued_Frames() const
    {
        int64_t frames = 0;
        for (const Queued& q : queued_)
            frames += q.frames;
        return frames;
    }
    void Unqueue(int n)
    {
        if (n <= 0)
            return;
        std::vector<ALuint> names(size_t(n), 0);
        alSourceUnqueueBuffers(source_, n, names.data());
        for (int i = 0; i < n && !queued_.empty(); ++i) {
            free_.push_back(queued_.front().buffer);
            queued_.pop_front();
        }
    }

    ALuint source_;
    std::weak_ptr<int> device_;
    std::deque<Queued> queued_;
    std::vector<ALuint> free_;
    int drained_ = 0;
    int64_t drainedFrames_ = 0;
};

} // namespace

std::unique_ptr<IMusicOutput> Open_Al_Stream(std::weak_ptr<int> device)
{
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR)
        return nullptr;
    alSourcei(source, AL_DIRECT_CHANNELS_SOFT, AL_TRUE);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcef(source, AL_GAIN, float(Volume_Gain(kMusicVolume)));
    return std::make_unique<AlStream>(source, std::move(device));
}

} // namespace qv
