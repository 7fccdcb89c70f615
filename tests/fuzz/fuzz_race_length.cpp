// Fuzzes the reader of the race length file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("DureeCourse.txt", data, size);
    std::unique_ptr<char[]> mode(new char[RACE_MODE_SIZE]());
    int32_t hours = 0, minutes = 0, laps = 0, countdown = 0;
    read_race_length(mode.get(), &hours, &minutes, &laps, &countdown);
    require_terminated(mode.get(), RACE_MODE_SIZE);
    // Whatever the file holds, what the race controls allow.
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || laps < 1 || laps > 4999 ||
        countdown < 0 || countdown > 3600) {
        abort();
    }
    return 0;
}
