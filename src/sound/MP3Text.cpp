#include "sound/MP3Text.h"

#include <cmath>

#include "game/Numbers.h"

namespace qv {

namespace {

std::string Two_Digits(int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); }

} // namespace

std::string Position_Text(int64_t ms)
{
    if (ms < 0)
        ms = 0;
    // Nearest takes a double; whole milliseconds divide exactly enough for the halves to stay halves.
    const int64_t S = Nearest(double(ms) / 1000.0);
    if (S < 60)
        return "0:" + Two_Digits(S);
    const int64_t M = S / 60;
    return Two_Digits(M) + ":" + Two_Digits(S - 60 * M);
}

int64_t Milliseconds(double seconds)
{
    if (!std::isfinite(seconds) || seconds <= 0)
        return 0;
    return int64_t(std::llround(seconds * 1000.0));
}

} // namespace qv
