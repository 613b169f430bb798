#include "sound/AlWave.h"

#include <sndfile.h>

#include <algorithm>
#include <filesystem>

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
    // The header's frame count is trusted for memory only as far as the file's size bears it out.
    const int64_t wanted = std::min<int64_t>(info.frames, limit);
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    const int64_t likely = std::min<int64_t>(wanted, ec ? 0 : int64_t(bytes / uintmax_t(channels)) + 1);
    out.LeftOnly.reserve(size_t(likely) * 2);
    out.RightOnly.reserve(size_t(likely) * 2);
    out.Rate = info.samplerate;
    std::vector<int16_t> chunk(size_t(4096) * channels);
    int64_t frames = 0;
    while (frames < wanted) {
        const sf_count_t n = sf_readf_short(file, chunk.data(), std::min<int64_t>(4096, wanted - frames));
        if (n <= 0)
            break;
        for (sf_count_t i = 0; i < n; ++i) {
            const int16_t* f = &chunk[size_t(i) * channels];
            const int16_t right = channels > 1 ? f[1] : f[0];
            out.LeftOnly.insert(out.LeftOnly.end(), {f[0], 0});
            out.RightOnly.insert(out.RightOnly.end(), {0, right});
        }
        frames += n;
    }
    sf_close(file);
    out.Frames = frames;
    return frames > 0;
}

} // namespace qv
