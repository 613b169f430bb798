#include "sound/SoundDevice.h"

namespace qv {

namespace {
ISoundDevice* g_device = nullptr;
}

ISoundDevice* Sound_Device() { return g_device; }

void Set_Sound_Device(ISoundDevice* device) { g_device = device; }

} // namespace qv
