// Timings of the file work at full size: positions at every lap of 20 cars of
// 4999 laps, the name sort of 1000 pilots, and the detailed results file
// written and read back, and everything the results dialog does with it
// when it opens.
#include <benchmark/benchmark.h>
#include <random>
#include <string.h>
#include <string>

#include "../tests/temp_dir.h"
#include "race_model.h"

namespace {

CarRecord g_live[GRID_SLOTS];
CarRecord g_loaded[GRID_SLOTS];
PilotRecord g_pilots[MAX_PILOTS];
PilotRecord g_sorting[MAX_PILOTS];
char g_key[RANKING_KEY_SIZE];

// Cars close together, so the order changes from lap to lap: the usual race.
void fill_full_race(CarRecord *cars, int32_t first_index)
{
    std::mt19937 random(7);
    for (int i = 0; i < GRID_SLOTS; ++i) {
        snprintf(cars[i].name, sizeof cars[i].name, "Pilote %d", i + 1);
        cars[i].laps = MAX_LAPS - 1;
        int32_t time = 0;
        for (int n = 0; n < MAX_LAPS - 1; ++n) {
            time += 17000 + static_cast<int32_t>(random() % 3000);
            cars[i].race_times[first_index + n] = time;
        }
    }
}

void BM_ComputeLapPositions(benchmark::State &state)
{
    fill_full_race(g_loaded, 0);
    for (auto _ : state) {
        compute_lap_positions(g_loaded);
        benchmark::DoNotOptimize(g_loaded[0].lap_positions[MAX_LAPS - 1]);
    }
}
BENCHMARK(BM_ComputeLapPositions)->Unit(benchmark::kMillisecond);

void BM_SortPilotsByName(benchmark::State &state)
{
    std::mt19937 random(11);
    for (int i = 0; i < MAX_PILOTS; ++i) {
        std::string name;
        for (int c = 0; c < 12; ++c) {
            name += static_cast<char>((c == 0 ? 'A' : 'a') + random() % 26);
        }
        snprintf(g_pilots[i].name, sizeof g_pilots[i].name, "%s", name.c_str());
        snprintf(g_pilots[i].transponder, sizeof g_pilots[i].transponder, "%06d", i);
    }
    for (auto _ : state) {
        memcpy(g_sorting, g_pilots, sizeof g_pilots);
        sort_pilots_by_name(g_sorting);
        benchmark::DoNotOptimize(g_sorting[0].name[0]);
    }
}
BENCHMARK(BM_SortPilotsByName)->Unit(benchmark::kMillisecond);

void BM_WriteThenReadDetailedResults(benchmark::State &state)
{
    TempDir dir;
    fill_full_race(g_live, 1);
    for (auto _ : state) {
        if (!write_detailed_results(g_live, RANKING_LAPS_THEN_TIME) ||
            !read_detailed_results(g_loaded, g_key)) {
            state.SkipWithError("the results file could not be written or read");
            break;
        }
        benchmark::DoNotOptimize(g_loaded[GRID_SLOTS - 1].race_times[MAX_LAPS - 2]);
    }
}
BENCHMARK(BM_WriteThenReadDetailedResults)->Unit(benchmark::kMillisecond);

// The results dialog's opening before it paints: the file read, the lap
// times, the positions at every lap, the cars packed.
void BM_OpenDetailedResults(benchmark::State &state)
{
    TempDir dir;
    fill_full_race(g_live, 1);
    if (!write_detailed_results(g_live, RANKING_LAPS_THEN_TIME)) {
        state.SkipWithError("the results file could not be written");
        return;
    }
    for (auto _ : state) {
        read_detailed_results(g_loaded, g_key);
        derive_lap_times(g_loaded);
        compute_lap_positions(g_loaded);
        benchmark::DoNotOptimize(pack_result_cars(g_loaded));
        benchmark::DoNotOptimize(largest_lap_count(g_loaded));
    }
}
BENCHMARK(BM_OpenDetailedResults)->Unit(benchmark::kMillisecond);

}  // namespace
