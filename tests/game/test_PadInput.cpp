#include <gtest/gtest.h>

#include "game/PadInput.h"

using namespace qv;

TEST(Lists_A_Pad, finds_joystick_and_pad_buttons_and_nothing_else_in_the_key_bitmaps)
{
    const struct {
        const char* devices;
        int wordBits;
        bool pad;
    } rows[] = {
        {"N: Name=\"X-Box 360 pad\"\nB: KEY=7cdb000000000000 0 0 0 0\n", 64, true}, // BTN_SOUTH 0x130 on
        {"B: KEY=10000 0 0 0 0 0 0 0 0 0\n", 32, true},                             // BTN_TRIGGER 0x120 only
        {"B: KEY=8000000000000000 0 0 0 0\n", 64, true},                             // BTN_THUMBR 0x13f
        {"B: KEY=80000000 0 0 0 0\n", 64, false},                                    // 0x11f, below them
        {"B: KEY=1f0000 0 0 0 0\n", 64, false},                                      // a mouse: 0x110..0x114
        {"B: KEY=100000000 0 0 0 0 0\n", 64, false},                                 // BTN_TOOL_PEN 0x140
        {"B: KEY=1000000000007 ff9f207ac14057ff febeffdfffefffff fffffffffffffffe\n", 64, false}, // keyboard
        {"B: ABS=7cdb000000000000 0 0 0 0\n", 64, false},                            // not a key bitmap
        {"", 64, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(Lists_A_Pad(r.devices, r.wordBits), r.pad) << r.devices;
}
