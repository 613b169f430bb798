#include <gtest/gtest.h>

#include <cmath>

#include "sound/MP3Text.h"

using qv::Position_Text;

TEST(Position_Text, reads_minutes_and_seconds_in_the_forms_of_the_player)
{
    EXPECT_EQ(Position_Text(0), "0:00");
    EXPECT_EQ(Position_Text(5000), "0:05");
    EXPECT_EQ(Position_Text(59000), "0:59");
    EXPECT_EQ(Position_Text(65000), "01:05");
    EXPECT_EQ(Position_Text(600000), "10:00");
    EXPECT_EQ(Position_Text(6000000), "100:00");
}

TEST(Position_Text, rounds_halves_to_the_even_second)
{
    EXPECT_EQ(Position_Text(59500), "01:00");
    EXPECT_EQ(Position_Text(58500), "0:58");
    EXPECT_EQ(Position_Text(58501), "0:59");
    EXPECT_EQ(Position_Text(499), "0:00");
}

TEST(Position_Text, reads_a_time_before_the_start_as_zero)
{
    EXPECT_EQ(Position_Text(-1500), "0:00");
    EXPECT_EQ(qv::Milliseconds(-0.2), 0);
    EXPECT_EQ(qv::Milliseconds(std::nan("")), 0);
    EXPECT_EQ(qv::Milliseconds(59.5), 59500);
}
