#pragma once
#include <cstdint>
#include <string>

#include "sound/SoundEvents.h"

namespace qv {

// Main-window settings that are plain values: setting one has no side effect. The
// game holds the one copy (the drawing and the fall tick read it), the main window
// names each of them, and the settings file and the settings window edit it there.
struct MainSettings {
    bool EnableSoundControl = true;
    std::string PathToBkgMusic = "...";
    bool EnableLoop = kBkgDefaultLoop;
    int32_t freq = kBkgDefaultFreq;  // background playback rate, Hz
    std::string MP3Path = "...";
    bool MP3Enable = true;
    bool MP3Loop = true;
    int16_t SpeedChange = kDefaultSpeedChange;  // pan sweep step per fall tick, 0 = none
    uint8_t iFantom = 1;      // phantom: 0 off, 1 Quarvex figures only, 2 always
    bool bDrawSetka = true;
};

} // namespace qv
