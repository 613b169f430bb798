#pragma once
#include <cstdint>

// Paces the fall ticks: a coarse timer asks how many of the 64 ticks a second are due.
// Used by the main window's tmrDown so that the game runs at the same speed on every machine.
namespace qv {

class TickPacer {
public:
    static constexpr int TICKS_PER_SECOND = 64;
    static constexpr int MAX_BATCH = 8;
    // Starts counting from the monotonic time nowNs (nanoseconds).
    void Restart(int64_t nowNs);
    // Ticks due at nowNs and not yet handed out, at most MAX_BATCH; when more were due
    // (a stall) the surplus is dropped and counting starts over from nowNs.
    int Due(int64_t nowNs);

private:
    int64_t startNs_ = 0;
    int64_t delivered_ = 0;
};

} // namespace qv
