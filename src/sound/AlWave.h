#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Reading sound files for playback: anything libsndfile decodes, any sample
// format and rate, mono or more channels.
namespace qv {

// Longest sound kept in memory; a longer file plays its first part.
inline constexpr int kMaxSoundSeconds = 120;

// The two sides of a sound as 16-bit interleaved stereo frames, each with the other side silent.
struct SplitSound {
    int Rate = 0;
    int64_t Frames = 0;
    std::vector<int16_t> LeftOnly, RightOnly;
};

// Reads `path`; a mono file sounds on both sides, a file of more than two channels
// keeps its first two. False when it cannot be opened, decodes nothing or has no frames.
bool Al_Read_Sound(const std::string& path, SplitSound& out);

} // namespace qv
