#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "sound/MusicStream.h"

// The playback layer under the sound channels and the background sound: one
// device for the program that builds buffers from wave files and streams the music. Every call
// answers whether it succeeded; a failure never throws.
namespace qv {

// One sound held whole in memory, with its own volume, pan and rate.
class ISoundBuffer {
public:
    virtual ~ISoundBuffer() = default;
    // Starts playing from the current position, once or looping; a playing buffer is left as it
    // is. A looping start fades in over a few milliseconds; a start to play once is immediate.
    virtual bool Play(bool looping) = 0;
    // Moves the play position to the beginning; a playing buffer goes on from there.
    virtual bool Rewind() = 0;
    // Stops playing; the position stays where it stopped. A looping sound fades out first.
    virtual bool Stop() = 0;
    virtual bool Set_Volume(int32_t volume) = 0;
    virtual bool Set_Pan(int32_t pan) = 0;
    // Playback rate in Hz; 0 is the file's own rate.
    virtual bool Set_Frequency(int32_t frequency) = 0;
    // Current playback rate in Hz.
    virtual int32_t Frequency() const = 0;
};

class ISoundDevice {
public:
    virtual ~ISoundDevice() = default;
    // A buffer holding the whole sound of the file at `path`; null when it cannot be read.
    virtual std::unique_ptr<ISoundBuffer> Create_Buffer(const std::string& path) = 0;
    // A streaming output for the music, mixed with the sounds; null when the device has none.
    virtual std::unique_ptr<IMusicOutput> Create_Stream() { return nullptr; }
};

// The program's sound device; null while no output device is open, and then every buffer fails.
ISoundDevice* Sound_Device();
void Set_Sound_Device(ISoundDevice* device);

} // namespace qv
