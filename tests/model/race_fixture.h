// A race for the model tests: the program's arrays at their exact sizes on the
// heap, so that the sanitizers see any write or read past them, and the
// engine's steps for one passing.
#ifndef RACE_FIXTURE_H
#define RACE_FIXTURE_H

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <stdio.h>
#include <string.h>
#include <vector>

#include "race_model.h"

const char *const LAPS_THEN_TIME = "CLASSEMENTToursTemps";
const char *const BEST_LAP = "CLASSEMENTMeilleurTour";

class TestRace {
public:
    std::unique_ptr<PilotRecord[]> grid{new PilotRecord[GRID_SLOTS]()};
    std::unique_ptr<CarRecord[]> cars{new CarRecord[GRID_SLOTS]()};
    std::unique_ptr<RankingRow[]> rows{new RankingRow[GRID_SLOTS]()};
    std::unique_ptr<BoardRow[]> board{new BoardRow[GRID_SLOTS]()};
    int32_t count = 0;
    int32_t race_best = NO_BEST_LAP;
    const char *start_key = "DEPARTSignalSonore";

    // Cars named "Car<slot>" with transponder 100010 + slot in the given slots,
    // every other slot "(NA)"; then the race set-up.
    explicit TestRace(std::initializer_list<int> slots)
    {
        for (int i = 0; i < GRID_SLOTS; i++)
            set_grid_row(i, "(NA)", "100000");
        for (int slot : slots) {
            char name[16];
            char transponder[16];
            snprintf(name, sizeof name, "Car%d", slot);
            snprintf(transponder, sizeof transponder, "%d", 100010 + slot);
            set_grid_row(slot, name, transponder);
        }
        set_up();
    }

    // Texts as long as their field are stored without a terminator.
    void set_grid_row(int slot, const char *name, const char *transponder)
    {
        PilotRecord &row = grid[slot];
        memset(&row, 0, sizeof row);
        memcpy(row.name, name, std::min(strlen(name), sizeof row.name));
        memcpy(row.transponder, transponder, std::min(strlen(transponder), sizeof row.transponder));
    }

    void set_up()
    {
        init_car_records(cars.get(), grid.get());
        count = init_ranking_rows(rows.get(), grid.get());
        init_board_rows(board.get(), rows.get(), count);
    }

    // An accepted passing at `time` ms since the race origin, stored and
    // recorded as the engine does it.
    void pass(int car, int64_t time)
    {
        CarRecord &c = cars[car];
        c.passage_time = time;
        c.lap_candidate = static_cast<int32_t>(static_cast<int64_t>(static_cast<int32_t>(time)) -
                                               c.start_offset - c.race_times[c.laps]);
        record_lap(cars.get(), car, start_key);
        update_race_best_lap(&race_best, cars.get(), car);
    }

    // Passings of one car, each lap time after the previous crossing.
    void run_laps(int car, int64_t first_crossing, std::initializer_list<int32_t> laps)
    {
        int64_t t = first_crossing;
        pass(car, t);
        for (int32_t lap : laps) {
            t += lap;
            pass(car, t);
        }
    }

    // The ranking, gaps, splits and board texts of one keyword, in the engine's order.
    void refresh(const char *ranking_key)
    {
        if (strcmp(ranking_key, BEST_LAP) == 0) {
            rank_by_best_lap(cars.get(), rows.get(), count);
            compute_gaps_by_best_lap(rows.get(), count);
        } else {
            rank_by_laps_then_time(cars.get(), rows.get(), count);
            compute_gaps_by_laps_then_time(rows.get(), count);
        }
        split_ranking_times(rows.get(), count);
        format_board_rows(rows.get(), board.get(), ranking_key, LAPS_THEN_TIME, BEST_LAP, count);
    }

    // Grid numbers down the ranking table.
    std::vector<int> order() const
    {
        std::vector<int> numbers;
        for (int r = 0; r < count; r++)
            numbers.push_back(rows[r].grid_number);
        return numbers;
    }
};

// The bytes of an array, to prove that a call changed nothing.
template <typename T>
std::vector<unsigned char> bytes_of(const T *items, int count)
{
    const unsigned char *p = reinterpret_cast<const unsigned char *>(items);
    return std::vector<unsigned char>(p, p + sizeof(T) * count);
}

#endif
