// Fuzzes the reader of the starting grid file.
#include <memory>

#include "fuzz_file.h"
#include "race_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    InputFile file("CompositionSerie.txt", data, size);
    // Left unterminated on purpose: the reader clears them itself.
    std::unique_ptr<PilotRecord[]> grid(new PilotRecord[GRID_SLOTS]);
    std::unique_ptr<char[]> race_name(new char[RACE_NAME_SIZE]);
    std::unique_ptr<char[]> trailer(new char[RACE_NAME_TRAILER_SIZE]);
    memset(grid.get(), 'x', sizeof(PilotRecord) * GRID_SLOTS);
    memset(race_name.get(), 'x', RACE_NAME_SIZE);
    memset(trailer.get(), 'x', RACE_NAME_TRAILER_SIZE);
    read_grid_composition(grid.get(), race_name.get(), trailer.get());
    for (int i = 0; i < GRID_SLOTS; ++i) {
        require_terminated(grid[i].name, sizeof grid[i].name);
        require_terminated(grid[i].transponder, sizeof grid[i].transponder);
    }
    require_terminated(race_name.get(), RACE_NAME_SIZE);
    require_terminated(trailer.get(), RACE_NAME_TRAILER_SIZE);
    return 0;
}
