#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

// Turns a game pad's presses into the game's keys, so that every pad action runs the key
// handlers (sounds, colours, clicks as for the keys). A held left or right repeats like a
// held key: after the desktop's repeat delay, then once per repeat interval; the other
// controls act once per press. Used by the main window's pad glue; tests drive it directly.
namespace qv {

// The pad's controls (the face buttons by their place: south, east, west).
enum class Pad_Control { Left, Right, Up, Down, South, East, West, Start, Stick_Left, Stick_Right, COUNT };

class PadInput {
public:
    // key: a game key code (Key of GameCore) pressed (true) or released; start: the Start button.
    PadInput(std::function<void(int key, bool down)> key, std::function<void()> start);
    // The desktop's key repeat: first repeat delayMs after the press, then every intervalMs.
    void Set_Repeat(int delayMs, int intervalMs);
    // A control pressed or released at nowMs (any monotonic millisecond clock).
    void Press(Pad_Control control, bool down, int64_t nowMs);
    // The left stick's horizontal axis, -32768 (left) .. 32767 (right), read at nowMs.
    void Stick_X(int value, int64_t nowMs);
    // Gives the repeats due by nowMs.
    void Repeat(int64_t nowMs);

private:
    int Held_Sources(int key) const;

    std::function<void(int, bool)> key_;
    std::function<void()> start_;
    std::array<bool, size_t(Pad_Control::COUNT)> held_{};
    int delayMs_ = 500;
    int intervalMs_ = 33;
    int repeatKey_ = 0;
    int64_t nextRepeat_ = 0;
};

// Whether the system's list of input devices (Linux's /proc/bus/input/devices, key bitmaps in
// words of wordBits bits) holds a joystick or game pad: a device with any of the joystick or
// game-pad buttons (codes 0x120..0x13f).
bool Lists_A_Pad(const std::string& devices, int wordBits);

} // namespace qv
