#include "game/TickPacer.h"

namespace qv {

void TickPacer::Restart(int64_t nowNs)
{
    startNs_ = nowNs;
    delivered_ = 0;
}

int TickPacer::Due(int64_t nowNs)
{
    const int64_t elapsed = nowNs - startNs_;
    const int64_t due = (elapsed < 0 ? 0 : elapsed * TICKS_PER_SECOND / 1000000000) - delivered_;
    if (due <= 0)
        return 0;
    if (due > MAX_BATCH) {
        Restart(nowNs);
        return MAX_BATCH;
    }
    delivered_ += due;
    return int(due);
}

} // namespace qv
