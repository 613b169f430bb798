#pragma once
#include <memory>

#include "sound/MusicStream.h"

namespace qv {

// The music's level in hundredths of a decibel: among the default event volumes, so that a track
// mastered to full scale leaves the event sounds and the background room in the mix.
inline constexpr int kMusicVolume = -1050;

// A streaming source of the current OpenAL context at kMusicVolume, played straight to the
// output sides, for the music; null when no source is left. `device` expires with the device,
// after which the stream makes no more OpenAL calls.
std::unique_ptr<IMusicOutput> Open_Al_Stream(std::weak_ptr<int> device);

} // namespace qv
