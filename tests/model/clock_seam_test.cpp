#include <gtest/gtest.h>

#include "race_model.h"
#include "test_clock.h"

TEST(ClockSeam, TestClockDrivesEveryReading)
{
    TestClock clock(0xFFFFFFF0u);
    EXPECT_EQ(0xFFFFFFF0u, read_tick_count());
    clock.advance(0x20);
    EXPECT_EQ(0x10u, read_tick_count());
}

TEST(ClockSeam, DefaultClockComesBackAfterTheTest)
{
    { TestClock clock(5); }
    uint32_t a = read_tick_count();
    uint32_t b = read_tick_count();
    EXPECT_LE(b - a, 1000u);
}
