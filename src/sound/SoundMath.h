#pragma once
#include <cstdint>

// Arithmetic of the sound units: volume and pan in hundredths of a decibel,
// frequency in Hz. The playback back end turns them into gains and pitches.
namespace qv {

struct PanGains {
    double Left = 1.0;
    double Right = 1.0;
};

// Amplitude factor of a volume: 10^(volume / 2000); 0 is full, -2000 a tenth.
double Volume_Gain(int32_t volume);
// Pan -10000 (left) .. 10000 (right) attenuates the other side: +5000 puts the left 50 dB down.
PanGains Pan_Split(int32_t pan);
// Playback speed of a file of rate `fileRate` played at `frequency`; 0 plays at the file's rate.
double Pitch_For(int32_t frequency, int32_t fileRate);

// Ranges a sound buffer accepts; anything else fails the call that sets it.
bool Valid_Volume(int32_t volume);
bool Valid_Pan(int32_t pan);
bool Valid_Frequency(int32_t frequency);

} // namespace qv
