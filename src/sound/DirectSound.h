#pragma once
#include <cstdint>
#include <string>

#include "sound/SoundDevice.h"

// The looping background sound of the program: one at a time, opened from a
// wave file, stopped and resumed, panned, with its own volume and rate. After a
// failed open every operation but PlayBkgMusic and SetBkgVolume does nothing.
namespace qv::DirectSound {

// Opens `path` and plays it looping from the beginning at its own rate, which goes to `freq`.
void PlayBkgMusic(const std::string& path, int32_t& freq);
// Stops; the position is kept for ResumeBkgMusic.
void StopBkgMusic();
// Plays looping on from where StopBkgMusic left it.
void ResumeBkgMusic();
void SetBkgPan(int16_t pan);
// Remembered in every case; applied while a sound is open.
void SetBkgVolume(int16_t volume);
void SetBkgFreq(int32_t frequency);
// Current rate in Hz; 0 after a failed open.
int32_t GetBkgFreq();
// Last volume given to SetBkgVolume, also after a failed open: what the settings keep.
int16_t iBkgVolume();
// Stops the sound and frees it.
void ReleaseBkgSound();
// True when the last open failed.
bool bFailedBkg();
// The open sound, or null; for tests and measurements.
ISoundBuffer* Bkg_Buffer();

} // namespace qv::DirectSound
