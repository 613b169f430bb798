#pragma once
#include <cstddef>
#include <deque>
#include <initializer_list>

#include "game/Random.h"

// Chance and clock for the core tests: the random source hands out queued
// values, then a fixed default, and counts every draw; the clock shows a
// settable second (0 makes Stir_Random draw exactly one value).
namespace qv::test {

class ScriptedRandom : public IRandomSource {
public:
    explicit ScriptedRandom(float defaultValue = 0.0f) : defaultValue(defaultValue) {}

    float Rnd() override;
    void Randomize() override { ++randomizes; }

    // Appends values to the queue.
    void Push(std::initializer_list<float> values);
    // Appends `count` copies of `value`.
    void Push_Repeated(float value, int count);
    // Values still queued.
    size_t Queued() const { return queue.size(); }

    std::deque<float> queue;
    float defaultValue;
    long draws = 0;
    int randomizes = 0;
};

class FixedClock : public IClock {
public:
    explicit FixedClock(int second = 0) : second(second) {}
    int Seconds() override { return second; }
    int second;
};

} // namespace qv::test
