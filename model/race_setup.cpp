// Race set-up: a starting grid composition becomes 20 fresh car records, a
// ranking table in grid order and the board texts shown before the first passing.
#include "race_model.h"

#include <string.h>

const char EMPTY_SLOT_NAME[5] = "(NA)";

int32_t is_empty_slot_name(const char *name)
{
    return strncmp(name, EMPTY_SLOT_NAME, sizeof EMPTY_SLOT_NAME) == 0;
}

namespace {

void fill_laps(int32_t *laps, int32_t value)
{
    for (int32_t i = 0; i < MAX_LAPS; i++)
        laps[i] = value;
}

}  // namespace

void clear_buffer(void *buffer, int32_t n)
{
    if (n < 1)
        return;
    memset(buffer, 0, static_cast<size_t>(n));
}

void copy_text(char *text, int32_t size, const char *source, int32_t source_size)
{
    if (size < 1)
        return;
    int32_t limit = size - 1 < source_size ? size - 1 : source_size;
    if (limit < 0)
        limit = 0;
    const void *end = memchr(source, 0, static_cast<size_t>(limit));
    int32_t length = end ? static_cast<int32_t>(static_cast<const char *>(end) - source) : limit;
    memcpy(text, source, static_cast<size_t>(length));
    text[length] = 0;
}

void init_car_records(CarRecord *cars, const PilotRecord *grid)
{
    for (int32_t i = 0; i < GRID_SLOTS; i++) {
        CarRecord *car = &cars[i];
        const PilotRecord *row = &grid[i];
        copy_text(car->name, sizeof car->name, row->name, sizeof row->name);
        copy_text(car->transponder, sizeof car->transponder, row->transponder,
                  sizeof row->transponder);
        car->grid_number = i + 1;
        car->laps = 0;
        car->just_recorded = 0;
        car->new_personal_best = 0;
        car->holds_race_best = 0;
        car->since_buzz = 0;
        car->buzz_reference = 0;
        car->start_offset = 0;
        car->passage_time = 0;
        car->lap_candidate = 0;

        // An empty slot is a car that never runs: finished from the start, with
        // race times that rank behind every real car.
        int32_t empty = is_empty_slot_name(row->name);
        fill_laps(car->race_times, empty ? NO_TIME : 0);
        fill_laps(car->lap_times, 0);
        fill_laps(car->lap_positions, 0);
        car->best_lap = empty ? NO_TIME : 0;
        car->finished = empty;
        car->scan_assigned = empty;
    }
}

int32_t init_ranking_rows(RankingRow *rows, const PilotRecord *grid)
{
    // Every number, gap and split starts at 0; rows without a car stay finished.
    clear_buffer(rows, static_cast<int32_t>(sizeof(RankingRow) * GRID_SLOTS));
    int32_t count = 0;
    for (int32_t j = 0; j < GRID_SLOTS; j++) {
        const PilotRecord *row = &grid[j];
        if (is_empty_slot_name(row->name))
            continue;
        RankingRow *ranked = &rows[count++];
        copy_text(ranked->name, sizeof ranked->name, row->name, sizeof row->name);
        copy_text(ranked->transponder, sizeof ranked->transponder, row->transponder,
                  sizeof row->transponder);
        ranked->grid_number = j + 1;
    }
    for (int32_t r = count; r < GRID_SLOTS; r++)
        rows[r].finished = 1;
    return count;
}

void init_board_rows(BoardRow *board, const RankingRow *rows, int32_t n)
{
    // A count outside the table is a caller's fault: leave the board as it is.
    if (n < 0 || n > GRID_SLOTS)
        return;
    clear_buffer(board, static_cast<int32_t>(sizeof(BoardRow) * GRID_SLOTS));
    for (int32_t r = 0; r < n; r++) {
        format_board_identity(&board[r], &rows[r]);
        format_int_text(board[r].position, sizeof board[r].position, "%d", r + 1);
    }
}
