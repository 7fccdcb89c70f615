// The two rankings of the field and their gaps. Both are selection sorts over a
// working copy of the cars where sentinel times stand in for missing ones, so
// that cars without laps or without a best lap fall behind the others.
#include "race_model.h"

namespace {

// The values of one car that a ranking compares, with the sentinels in place.
struct WorkRow {
    int32_t laps;
    int32_t time;
    int32_t last;
    int32_t best;
};

// Smaller is better, compared first to third; a row equal on all three still
// takes the place, so on a complete tie the later slot ranks first.
struct RankKey {
    int64_t first;
    int64_t second;
    int64_t third;
};

int32_t takes_place(const RankKey *row, const RankKey *candidate)
{
    if (row->first != candidate->first)
        return row->first < candidate->first;
    if (row->second != candidate->second)
        return row->second < candidate->second;
    return row->third <= candidate->third;
}

RankKey rank_key(const WorkRow *row, int32_t by_best_lap)
{
    if (by_best_lap)
        return RankKey{row->best, row->last, 0};
    return RankKey{-static_cast<int64_t>(row->laps), row->time, row->last};
}

// The lap arrays are read at the car's lap count; a count outside them (never
// written by the engine) is read at the nearest end rather than beyond it.
int32_t lap_index(const CarRecord *car)
{
    if (car->laps < 0)
        return 0;
    if (car->laps >= MAX_LAPS)
        return MAX_LAPS - 1;
    return car->laps;
}

void load_work_row(WorkRow *row, const CarRecord *car, int32_t by_best_lap)
{
    int32_t index = lap_index(car);
    row->laps = car->laps;
    row->time = car->race_times[index];
    row->last = car->lap_times[index];
    row->best = car->best_lap;
    if (row->laps == 0) {
        if (by_best_lap && row->best == 0)
            row->best = ZERO_LAP_TIME;
        if (!by_best_lap && row->time == 0)
            row->time = ZERO_LAP_TIME;
        if (row->last == 0)
            row->last = ZERO_LAP_TIME;
    } else if (row->laps == 1 && by_best_lap && row->best == 0) {
        // Under the common start rules lap 1 never sets a best lap.
        row->best = ONE_LAP_BEST;
    }
}

void write_ranked_row(RankingRow *ranked, const CarRecord *car, const WorkRow *row,
                      int32_t by_best_lap)
{
    copy_text(ranked->name, sizeof ranked->name, car->name, sizeof car->name);
    copy_text(ranked->transponder, sizeof ranked->transponder, car->transponder,
              sizeof car->transponder);
    ranked->grid_number = car->grid_number;
    ranked->laps = row->laps;
    if (by_best_lap) {
        ranked->race_time = row->time;
        ranked->last_lap = row->last == ZERO_LAP_TIME ? 0 : row->last;
        ranked->best_lap =
            row->best == ZERO_LAP_TIME || row->best == ONE_LAP_BEST ? 0 : row->best;
    } else {
        ranked->race_time = row->laps == 0 && row->time == ZERO_LAP_TIME ? 0 : row->time;
        ranked->last_lap = row->laps == 0 && row->last == ZERO_LAP_TIME ? 0 : row->last;
        ranked->best_lap = row->best;
    }
    ranked->finished = car->finished;
    ranked->just_recorded = car->just_recorded;
    ranked->new_personal_best = car->new_personal_best;
    ranked->holds_race_best = car->holds_race_best;
}

void rank_cars(const CarRecord *cars, RankingRow *rows, int32_t n, int32_t by_best_lap)
{
    if (n <= 0 || n > GRID_SLOTS)
        return;
    WorkRow work[GRID_SLOTS];
    RankKey keys[GRID_SLOTS];
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        load_work_row(&work[i], &cars[i], by_best_lap);
        keys[i] = rank_key(&work[i], by_best_lap);
    }

    WorkRow start = {0, NO_TIME, NO_TIME, NO_TIME};
    RankKey start_key = rank_key(&start, by_best_lap);
    // A ranked row takes the marks and so keeps out of every later position.
    WorkRow ranked = {0, RANKED_MARK, RANKED_MARK, RANKED_MARK};
    RankKey ranked_key = rank_key(&ranked, by_best_lap);
    for (int32_t k = 0; k < n; k++) {
        int32_t chosen = 0;
        const RankKey *candidate = &start_key;
        for (int32_t i = 0; i < GRID_SLOTS; i++) {
            if (takes_place(&keys[i], candidate)) {
                candidate = &keys[i];
                chosen = i;
            }
        }
        write_ranked_row(&rows[k], &cars[chosen], &work[chosen], by_best_lap);
        keys[chosen] = ranked_key;
    }
}

// Laps behind the row ahead, or the time behind it on the same lap.
void set_gap(int32_t *laps_behind, int32_t *gap, const RankingRow *ahead,
             const RankingRow *row)
{
    *laps_behind = static_cast<int32_t>(static_cast<int64_t>(ahead->laps) - row->laps);
    *gap = *laps_behind == 0
               ? static_cast<int32_t>(static_cast<int64_t>(row->race_time) - ahead->race_time)
               : 0;
}

void clear_leader_gaps(RankingRow *leader)
{
    leader->laps_behind_leader = 0;
    leader->gap_leader = 0;
    leader->laps_behind_ahead = 0;
    leader->gap_ahead = 0;
}

int32_t best_lap_difference(const RankingRow *row, const RankingRow *ahead)
{
    return static_cast<int32_t>(static_cast<int64_t>(row->best_lap) - ahead->best_lap);
}

}  // namespace

void rank_by_laps_then_time(const CarRecord *cars, RankingRow *rows, int32_t n)
{
    rank_cars(cars, rows, n, 0);
}

void rank_by_best_lap(const CarRecord *cars, RankingRow *rows, int32_t n)
{
    rank_cars(cars, rows, n, 1);
}

void compute_gaps_by_laps_then_time(RankingRow *rows, int32_t n)
{
    if (n <= 1 || n > GRID_SLOTS)
        return;
    for (int32_t r = 1; r < n; r++) {
        set_gap(&rows[r].laps_behind_leader, &rows[r].gap_leader, &rows[0], &rows[r]);
        set_gap(&rows[r].laps_behind_ahead, &rows[r].gap_ahead, &rows[r - 1], &rows[r]);
    }
    clear_leader_gaps(&rows[0]);
}

void compute_gaps_by_best_lap(RankingRow *rows, int32_t n)
{
    if (n < 0 || n > GRID_SLOTS)
        return;
    for (int32_t r = 1; r < n; r++) {
        RankingRow *row = &rows[r];
        // A car without a best lap shows no gap.
        int32_t has_best = row->best_lap != 0;
        row->gap_leader = has_best ? best_lap_difference(row, &rows[0]) : 0;
        row->gap_ahead = has_best ? best_lap_difference(row, &rows[r - 1]) : 0;
        row->laps_behind_leader = 0;
        row->laps_behind_ahead = 0;
    }
    clear_leader_gaps(&rows[0]);
}
