#include <gtest/gtest.h>

#include <cstdint>

#include "game/TickPacer.h"

using namespace qv;

TEST(TickPacer, delivers_exactly_64_ticks_a_second_from_a_coarser_timer)
{
    TickPacer pacer;
    pacer.Restart(1000);
    long total = 0;
    for (int64_t t = 15000000; t <= 10000000000; t += 15000000)
        total += pacer.Due(1000 + t);
    total += pacer.Due(1000 + 10000000000);
    EXPECT_EQ(total, 640);
}

TEST(TickPacer, irregular_timer_still_averages_64_ticks_a_second)
{
    TickPacer pacer;
    pacer.Restart(0);
    long total = 0;
    int64_t t = 0;
    const int steps_ms[] = {5, 31, 12, 19, 2, 40, 16};
    for (int i = 0; t < 10000000000; ++i) {
        t += steps_ms[i % 7] * 1000000LL;
        const int due = pacer.Due(t);
        EXPECT_LE(due, TickPacer::MAX_BATCH);
        total += due;
    }
    EXPECT_NEAR(double(total), 64.0 * double(t) / 1e9, 1.0);
}

TEST(TickPacer, stall_gives_one_batch_and_does_not_catch_up_afterwards)
{
    TickPacer pacer;
    pacer.Restart(0);
    EXPECT_EQ(pacer.Due(2000000000), TickPacer::MAX_BATCH);
    EXPECT_EQ(pacer.Due(2000000000 + 15000000), 0);
    EXPECT_EQ(pacer.Due(2000000000 + 16000000), 1);
}
