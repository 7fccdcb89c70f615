// A clock the tests drive: installed for the life of the object.
#ifndef TEST_CLOCK_H
#define TEST_CLOCK_H

#include "race_model.h"

class TestClock {
public:
    explicit TestClock(uint32_t start_tick, int64_t frequency = 10000000)
    {
        s_tick = start_tick;
        s_counter = 0;
        s_frequency = frequency;
        TimeSource source = {tick, counter, freq};
        set_time_source(&source);
    }
    ~TestClock() { set_time_source(0); }
    TestClock(const TestClock &) = delete;
    TestClock &operator=(const TestClock &) = delete;

    // Moves both clocks on by the given milliseconds.
    void advance(uint32_t ms)
    {
        s_tick += ms;
        s_counter += static_cast<int64_t>(ms) * s_frequency / 1000;
    }
    void set_tick(uint32_t t) { s_tick = t; }

private:
    static uint32_t tick(void) { return s_tick; }
    static int64_t counter(void) { return s_counter; }
    static int64_t freq(void) { return s_frequency; }
    static inline uint32_t s_tick;
    static inline int64_t s_counter;
    static inline int64_t s_frequency;
};

#endif
