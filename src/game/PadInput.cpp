#include "game/PadInput.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>
#include <utility>

#include "game/GameCore.h"

namespace qv {

namespace {

// The key a control stands for; 0 for Start, which presses the pause button instead.
int Key_Of(Pad_Control c)
{
    switch (c) {
    case Pad_Control::Left:
    case Pad_Control::Stick_Left: return KEY_LEFT;
    case Pad_Control::Right:
    case Pad_Control::Stick_Right: return KEY_RIGHT;
    case Pad_Control::Up:
    case Pad_Control::South: return KEY_UP;
    case Pad_Control::Down: return KEY_DOWN;
    case Pad_Control::East:
    case Pad_Control::West: return KEY_SPACE;
    default: return 0;
    }
}

// The stick counts as pushed beyond half its travel and as let go below about a third,
// so that a stick held near the threshold does not chatter.
constexpr int STICK_PRESS = 16384;
constexpr int STICK_RELEASE = 11000;

} // namespace

PadInput::PadInput(std::function<void(int, bool)> key, std::function<void()> start)
    : key_(std::move(key)), start_(std::move(start))
{
}

void PadInput::Set_Repeat(int delayMs, int intervalMs)
{
    delayMs_ = std::max(delayMs, 0);
    intervalMs_ = std::max(intervalMs, 1);
}

int PadInput::Held_Sources(int key) const
{
    int n = 0;
    for (size_t c = 0; c < held_.size(); ++c)
        n += held_[c] && Key_Of(Pad_Control(c)) == key;
    return n;
}

void PadInput::Press(Pad_Control control, bool down, int64_t nowMs)
{
    bool& held = held_[size_t(control)];
    if (held == down)
        return;
    held = down;
    const int key = Key_Of(control);
    if (key == 0) {
        if (down)
            start_();
        return;
    }
    if (down) {
        key_(key, true);
        if (key == KEY_LEFT || key == KEY_RIGHT) {
            repeatKey_ = key;
            nextRepeat_ = nowMs + delayMs_;
        }
        return;
    }
    if (Held_Sources(key) > 0)
        return;
    if (key == repeatKey_)
        repeatKey_ = 0;
    key_(key, false);
}

void PadInput::Stick_X(int value, int64_t nowMs)
{
    const bool left = held_[size_t(Pad_Control::Stick_Left)] ? value < -STICK_RELEASE : value <= -STICK_PRESS;
    const bool right = held_[size_t(Pad_Control::Stick_Right)] ? value > STICK_RELEASE : value >= STICK_PRESS;
    Press(Pad_Control::Stick_Left, left, nowMs);
    Press(Pad_Control::Stick_Right, right, nowMs);
}

void PadInput::Repeat(int64_t nowMs)
{
    // After a stall (a machine that slept) the repeat starts afresh instead of bursting.
    if (repeatKey_ && nowMs - nextRepeat_ > 8LL * intervalMs_)
        nextRepeat_ = nowMs;
    while (repeatKey_ && nowMs >= nextRepeat_) {
        nextRepeat_ += intervalMs_;
        key_(repeatKey_, true);
    }
}

bool Lists_A_Pad(const std::string& devices, int wordBits)
{
    std::istringstream in(devices);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("B: KEY=", 0) != 0)
            continue;
        // The highest word comes first.
        std::vector<std::string> words;
        std::istringstream bitmap(line.substr(7));
        for (std::string word; bitmap >> word;)
            words.insert(words.begin(), word);
        for (int code = 0x120; code <= 0x13f; ++code) {
            const size_t w = size_t(code / wordBits);
            if (w < words.size() && (std::strtoull(words[w].c_str(), nullptr, 16) >> (code % wordBits) & 1))
                return true;
        }
    }
    return false;
}

} // namespace qv
