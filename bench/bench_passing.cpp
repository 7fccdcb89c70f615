// One accepted passing at full load: 20 cars at lap 4998, each passing recorded
// and followed by every model step the engine runs before the redraw.
#include <benchmark/benchmark.h>
#include <stdio.h>

#include "race_model.h"

namespace {

const char *const LAPS_THEN_TIME = "CLASSEMENTToursTemps";
const char *const BEST_LAP = "CLASSEMENTMeilleurTour";

void set_up_full_race(void)
{
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        PilotRecord *row = &g_grid_composition[i];
        snprintf(row->name, sizeof row->name, "Pilote %d", i + 1);
        snprintf(row->transponder, sizeof row->transponder, "%d", 100100 + i);
    }
    init_car_records(g_car_records, g_grid_composition);
    g_car_count = init_ranking_rows(g_ranking, g_grid_composition);
    init_board_rows(g_board_rows, g_ranking, g_car_count);
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        CarRecord *car = &g_car_records[i];
        car->laps = MAX_LAPS - 2;
        car->race_times[car->laps] = (MAX_LAPS - 2) * 30000 + i * 137;
        car->lap_times[car->laps] = 30000 + i;
        car->best_lap = 29000 + i * 10;
    }
    g_race_best_lap = NO_BEST_LAP;
}

void BM_AcceptedPassing(benchmark::State &state)
{
    const char *ranking_key = state.range(0) ? BEST_LAP : LAPS_THEN_TIME;
    set_up_full_race();
    int32_t car = 0;
    int32_t jitter = 0;
    for (auto _ : state) {
        CarRecord *c = &g_car_records[car];
        // What the engine stores before recording: the passing and its lap time.
        c->passage_time = c->race_times[c->laps] + 29500 + jitter;
        c->lap_candidate = static_cast<int32_t>(c->passage_time) - c->start_offset -
                           c->race_times[c->laps];
        record_lap(g_car_records, car, "DEPARTSignalSonore");
        update_race_best_lap(&g_race_best_lap, g_car_records, car);
        if (state.range(0)) {
            rank_by_best_lap(g_car_records, g_ranking, g_car_count);
            compute_gaps_by_best_lap(g_ranking, g_car_count);
        } else {
            rank_by_laps_then_time(g_car_records, g_ranking, g_car_count);
            compute_gaps_by_laps_then_time(g_ranking, g_car_count);
        }
        split_ranking_times(g_ranking, g_car_count);
        format_board_rows(g_ranking, g_board_rows, ranking_key, LAPS_THEN_TIME, BEST_LAP,
                          g_car_count);
        benchmark::DoNotOptimize(g_board_rows);
        benchmark::ClobberMemory();
        // Back to lap 4998, so that the next passing of this car is recorded too.
        c->laps = MAX_LAPS - 2;
        car = (car + 1) % GRID_SLOTS;
        jitter = (jitter + 7) % 1000;
    }
}

}  // namespace

BENCHMARK(BM_AcceptedPassing)->ArgName("best_lap")->Arg(0)->Arg(1);
