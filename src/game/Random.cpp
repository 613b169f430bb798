#include "game/Random.h"

#include <chrono>
#include <ctime>

namespace qv {

namespace {
unsigned long long ClockSeed()
{
    return static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
// splitmix64: one step, good enough for a game and tiny to keep.
unsigned long long Next(unsigned long long& s)
{
    unsigned long long z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

SystemRandom::SystemRandom() : state_(ClockSeed()) {}

float SystemRandom::Rnd()
{
    return float(Next(state_) >> 40) * (1.0f / 16777216.0f);
}

void SystemRandom::Randomize() { state_ = ClockSeed(); }

int SystemClock::Seconds()
{
    std::time_t t = std::time(nullptr);
    std::tm tmLocal{};
    localtime_r(&t, &tmLocal);
    return tmLocal.tm_sec > 59 ? 59 : tmLocal.tm_sec;
}

void Stir_Random(IRandomSource& rnd, IClock& clock)
{
    const int n = 2 * clock.Seconds() + 1;
    for (int i = 0; i < n; ++i)
        rnd.Rnd();
}

} // namespace qv
