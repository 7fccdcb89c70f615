// Lap recording: an accepted passing becomes a lap with its race time, lap time
// and personal best; the race best lap and its one holder follow.
#include "race_model.h"

#include <string.h>

void record_lap(CarRecord *cars, int32_t car, const char *start_key)
{
    if (car < 0 || car >= GRID_SLOTS)
        return;
    CarRecord *c = &cars[car];
    // The engine stops every car at 4999 laps; a lap beyond would land past the
    // lap arrays, so such a passing changes nothing.
    if (c->laps < 0 || c->laps >= MAX_LAPS - 1)
        return;

    int32_t staggered = start_key != 0 && strcmp(start_key, "DEPARTDecale") == 0;
    int32_t passage = low_32_bits(c->passage_time);
    int32_t lap = c->lap_candidate;

    // Staggered start: the first crossing starts the car's own clock, it is no lap.
    if (staggered && c->start_offset == 0) {
        c->start_offset = passage;
        c->race_times[c->laps] = 0;
        c->lap_times[c->laps] = lap;
        c->just_recorded = 1;
        c->new_personal_best = 0;
        return;
    }

    int32_t n = c->laps + 1;
    c->laps = n;
    c->race_times[n] = static_cast<int32_t>(static_cast<int64_t>(passage) - c->start_offset);
    c->lap_times[n] = lap;
    c->just_recorded = 1;

    // Under the common start rules lap 1 runs from the grid to the line and is no
    // full lap; after a staggered start lap 1 already is one. The first full lap
    // sets the best without calling it a new best.
    int32_t first_full_lap = staggered ? 1 : 2;
    if (n == first_full_lap) {
        c->best_lap = lap;
        c->new_personal_best = 0;
    } else if (n > first_full_lap && lap < c->best_lap) {
        c->best_lap = lap;
        c->new_personal_best = 1;
    } else {
        c->new_personal_best = 0;
    }
}

void update_race_best_lap(int32_t *race_best_lap, CarRecord *cars, int32_t car)
{
    if (car < 0 || car >= GRID_SLOTS)
        return;
    int32_t best = cars[car].best_lap;
    // An equal best keeps the earlier holder; a car without a best never holds it.
    if (best == 0 || best >= *race_best_lap)
        return;
    for (int32_t i = 0; i < GRID_SLOTS; i++)
        cars[i].holds_race_best = 0;
    *race_best_lap = best;
    cars[car].holds_race_best = 1;
}
