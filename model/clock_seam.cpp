// The one place the model reads a clock. The program installs the system's
// tick count and performance counter; tests install a clock they drive.
#include "race_model.h"

#include <chrono>

namespace {

uint32_t default_tick_count(void)
{
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int64_t default_performance_counter(void)
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t default_performance_frequency(void)
{
    return 1000000000;
}

const TimeSource k_default_source = {default_tick_count, default_performance_counter,
                                     default_performance_frequency};
TimeSource g_time_source = k_default_source;

}  // namespace

void set_time_source(const TimeSource *source)
{
    g_time_source = source ? *source : k_default_source;
}

uint32_t read_tick_count(void)
{
    return g_time_source.tick_count();
}

int64_t read_performance_counter(void)
{
    return g_time_source.performance_counter();
}

int64_t read_performance_frequency(void)
{
    return g_time_source.performance_frequency();
}
