// Fuzzes the reader of the race options file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("OptionsCourse.race", data, size);
    std::unique_ptr<char[]> ranking(new char[RANKING_KEY_SIZE]());
    std::unique_ptr<char[]> start(new char[START_MODE_SIZE]());
    std::unique_ptr<char[]> time_end(new char[TIME_END_MODE_SIZE]());
    std::unique_ptr<char[]> lap_end(new char[LAP_END_MODE_SIZE]());
    int32_t protection = 0;
    read_race_options(&protection, ranking.get(), start.get(), time_end.get(), lap_end.get());
    require_terminated(ranking.get(), RANKING_KEY_SIZE);
    require_terminated(start.get(), START_MODE_SIZE);
    require_terminated(time_end.get(), TIME_END_MODE_SIZE);
    require_terminated(lap_end.get(), LAP_END_MODE_SIZE);
    // Whatever the file holds, what the race options dialog allows.
    if (protection < 2 || protection > 999) {
        abort();
    }
    return 0;
}
