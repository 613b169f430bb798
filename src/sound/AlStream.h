#pragma once
#include <memory>

#include "sound/MusicStream.h"

namespace qv {

// A streaming source of the current OpenAL context at full volume, played straight to the
// output sides, for the music; null when no source is left. `device` expires with the device,
// after which the stream makes no more OpenAL calls.
std::unique_ptr<IMusicOutput> Open_Al_Stream(std::weak_ptr<int> device);

} // namespace qv
