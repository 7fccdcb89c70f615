// Fuzzes the reader of the detailed results file, and what the results
// dialog makes of what it read: lap times and the cars packed.
#include "fuzz_file.h"
#include "race_model.h"

// Static, as in the program: a megabyte from the heap at every input would
// slow the run tenfold. The sanitizers guard globals as well.
static CarRecord cars[GRID_SLOTS];
static char key[RANKING_KEY_SIZE];

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("DetailResultats.res", data, size);
    // Left unterminated on purpose: the reader clears them itself.
    memset(cars, 'x', sizeof cars);
    memset(key, 'x', sizeof key);
    read_detailed_results(cars, key);
    require_terminated(key, RANKING_KEY_SIZE);
    for (int i = 0; i < GRID_SLOTS; ++i) {
        require_terminated(cars[i].name, sizeof cars[i].name);
        // The dialog walks `laps` entries of each lap array.
        if (cars[i].laps < 0 || cars[i].laps > MAX_LAPS) {
            abort();
        }
    }
    derive_lap_times(cars);
    const int32_t count = pack_result_cars(cars);
    if (count < 0 || count > GRID_SLOTS || largest_lap_count(cars) > MAX_LAPS) {
        abort();
    }
    return 0;
}
