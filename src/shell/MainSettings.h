#pragma once
#include <algorithm>
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

// The values the settings window can show, so the values a setting may hold.
inline constexpr int16_t kVolumeMin = -2500, kVolumeMax = 0;  // hundredths of a dB
inline constexpr int32_t kFreqMin = 5000, kFreqMax = 75000;   // Hz; 0 also: the file's own rate
inline constexpr int16_t kSpeedChangeMax = 500;               // the sweep step runs from 0
inline constexpr uint8_t kFantomMax = 2;

// The nearest value a setting may hold.
constexpr int16_t Valid_Volume(int16_t v) { return std::clamp(v, kVolumeMin, kVolumeMax); }
constexpr int32_t Valid_Freq(int32_t hz)
{
    return hz <= kFreqMin / 2 ? 0 : std::clamp(hz, kFreqMin, kFreqMax);
}
constexpr int16_t Valid_Speed_Change(int16_t step) { return std::clamp(step, int16_t(0), kSpeedChangeMax); }
constexpr uint8_t Valid_Fantom(uint8_t mode) { return std::min(mode, kFantomMax); }

} // namespace qv
