#include "sound/AlWave.h"

#include <sndfile.h>

#include <algorithm>

namespace qv {

bool Al_Read_Sound(const std::string& path, SplitSound& out)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return false;
    out = SplitSound{};
    const int channels = info.channels;
    const int64_t limit = int64_t(kMaxSoundSeconds) * info.samplerate;
    if (channels < 1 || info.samplerate < 1 || info.frames < 1) {
        sf_close(file);
        return false;
    }
    const int64_t wanted = std::min<int64_t>(info.frames, limit);
    out.Rate = info.samplerate;
    out.LeftOnly.assign(size_t(wanted) * 2, 0);
    out.RightOnly.assign(size_t(wanted) * 2, 0);
    std::vector<int16_t> chunk(size_t(4096) * channels);
    int64_t frames = 0;
    while (frames < wanted) {
        const sf_count_t n = sf_readf_short(file, chunk.data(), std::min<int64_t>(4096, wanted - frames));
        if (n <= 0)
            break;
        for (sf_count_t i = 0; i < n; ++i) {
            const int16_t* f = &chunk[size_t(i) * channels];
            out.LeftOnly[size_t(frames + i) * 2] = f[0];
            out.RightOnly[size_t(frames + i) * 2 + 1] = channels > 1 ? f[1] : f[0];
        }
        frames += n;
    }
    sf_close(file);
    out.Frames = frames;
    out.LeftOnly.resize(size_t(frames) * 2);
    out.RightOnly.resize(size_t(frames) * 2);
    return frames > 0;
}

} // namespace qv
