#include <gtest/gtest.h>
#include <chrono>
#include <thread>

#include "race_model.h"
#include "test_clock.h"

TEST(ClockSeam, TestClockDrivesEveryReading)
{
    TestClock clock(0xFFFFFFF0u, 3579545);
    EXPECT_EQ(0xFFFFFFF0u, read_tick_count());
    clock.advance(0x20);
    EXPECT_EQ(0x10u, read_tick_count());
    EXPECT_EQ(114545, read_performance_counter());
    EXPECT_EQ(3579545, read_performance_frequency());
}

// Once the test clock is gone the readings come from a running clock again.
TEST(ClockSeam, DefaultClockComesBackAfterTheTest)
{
    { TestClock clock(5); }
    uint32_t first = read_tick_count();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (read_tick_count() == first && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_NE(first, read_tick_count());
}
