// Properties that hold for every race: random fields, start rules and passings
// from a seeded generator, checked after every passing.
#include <gtest/gtest.h>
#include <algorithm>
#include <limits.h>
#include <random>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <vector>

#include "race_fixture.h"
#include "race_model.h"

namespace {

const char *const START_KEYS[] = {"DEPARTSignalSonore", "DEPARTPremiereVoiture",
                                  "DEPARTDecale"};

std::vector<int> sorted(std::vector<int> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<int> car_grid_numbers(const TestRace &race)
{
    std::vector<int> numbers;
    for (int i = 0; i < GRID_SLOTS; i++)
        if (strcmp(race.cars[i].name, "(NA)") != 0)
            numbers.push_back(race.cars[i].grid_number);
    return numbers;
}

void expect_terminated(const char *field, size_t size)
{
    EXPECT_NE(nullptr, memchr(field, 0, size));
}

void check_board(const TestRace &race)
{
    for (int r = 0; r < GRID_SLOTS; r++) {
        const BoardRow &cell = race.board[r];
        expect_terminated(cell.grid_text, sizeof cell.grid_text);
        expect_terminated(cell.race_time_text, sizeof cell.race_time_text);
        expect_terminated(cell.gap_leader_text, sizeof cell.gap_leader_text);
        expect_terminated(cell.gap_ahead_text, sizeof cell.gap_ahead_text);
    }
}

void check_laps_then_time(const TestRace &race)
{
    ASSERT_EQ(sorted(car_grid_numbers(race)), sorted(race.order()));
    const RankingRow *rows = race.rows.get();
    for (int r = 1; r < race.count; r++) {
        ASSERT_LE(rows[r].laps, rows[r - 1].laps) << r;
        if (rows[r].laps == rows[r - 1].laps && rows[r].laps > 0) {
            ASSERT_LE(rows[r - 1].race_time, rows[r].race_time) << r;
        }
        ASSERT_EQ(rows[0].laps - rows[r].laps, rows[r].laps_behind_leader);
        ASSERT_GE(rows[r].gap_leader, 0);
        ASSERT_GE(rows[r].gap_ahead, 0);
    }
}

void check_best_lap(const TestRace &race)
{
    ASSERT_EQ(sorted(car_grid_numbers(race)), sorted(race.order()));
    const RankingRow *rows = race.rows.get();
    for (int r = 1; r < race.count; r++) {
        // Cars with a best lap first, by best lap.
        if (rows[r].best_lap != 0) {
            ASSERT_NE(0, rows[r - 1].best_lap) << r;
            ASSERT_LE(rows[r - 1].best_lap, rows[r].best_lap) << r;
            ASSERT_GE(rows[r].gap_leader, 0);
        }
        // Then one-lap cars, then cars without laps.
        if (rows[r].best_lap == 0 && rows[r].laps > 0) {
            ASSERT_GT(rows[r - 1].laps + (rows[r - 1].best_lap != 0), 0) << r;
        }
    }
}

// The best lap is the smallest full lap; the race best the smallest best, with one holder.
void check_best_laps(const TestRace &race, int32_t first_full_lap)
{
    int32_t race_best = NO_BEST_LAP;
    int holders = 0;
    for (int i = 0; i < GRID_SLOTS; i++) {
        const CarRecord &car = race.cars[i];
        if (car.finished)
            continue;
        int32_t best = 0;
        for (int32_t n = first_full_lap; n <= car.laps; n++)
            if (best == 0 || car.lap_times[n] < best)
                best = car.lap_times[n];
        ASSERT_EQ(best, car.best_lap) << i;
        if (best != 0)
            race_best = std::min(race_best, best);
        holders += car.holds_race_best;
        if (car.holds_race_best) {
            ASSERT_EQ(race.race_best, car.best_lap);
        }
    }
    ASSERT_EQ(race_best, race.race_best);
    ASSERT_EQ(race_best == NO_BEST_LAP ? 0 : 1, holders);
}

}  // namespace

TEST(RaceProperties, RankingsAndBestLapsHoldThroughRandomRaces)
{
    std::mt19937 random(20240611);
    for (int race_number = 0; race_number < 60; race_number++) {
        std::vector<int> slots;
        for (int slot = 0; slot < GRID_SLOTS; slot++)
            if (random() % 3 != 0)
                slots.push_back(slot);
        TestRace race({});
        for (int slot : slots)
            race.set_grid_row(slot, "Pilote", "123456");
        race.set_up();
        ASSERT_EQ(static_cast<int32_t>(slots.size()), race.count);
        if (slots.empty())
            continue;
        int start = static_cast<int>(random() % 3);
        race.start_key = START_KEYS[start];
        int32_t first_full_lap = start == 2 ? 1 : 2;

        int64_t now = 1000;
        for (int passing = 0; passing < 150; passing++) {
            // Often several cars on the line at the same millisecond, never one car twice.
            now += random() % 4 == 0 ? 0 : 1 + static_cast<int64_t>(random() % 20000);
            int car = slots[random() % slots.size()];
            if (race.cars[car].passage_time == now)
                now++;
            race.pass(car, now);
            SCOPED_TRACE(testing::Message() << "race " << race_number << " passing " << passing);
            race.refresh(LAPS_THEN_TIME);
            check_laps_then_time(race);
            race.refresh(BEST_LAP);
            check_best_lap(race);
            check_best_laps(race, first_full_lap);
            check_board(race);
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

TEST(TimeTextProperties, SplitRecombinesAndEveryPartKeepsTheSign)
{
    std::mt19937 random(7);
    for (int i = 0; i < 20000; i++) {
        int32_t v = static_cast<int32_t>(random());
        TimeSplit t;
        split_milliseconds(v, &t.hours, &t.minutes, &t.seconds, &t.milliseconds);
        ASSERT_EQ(static_cast<int64_t>(v), int64_t{t.hours} * 3600000 + t.minutes * 60000 +
                                               t.seconds * 1000 + t.milliseconds);
        ASSERT_LT(std::abs(t.minutes), 60);
        ASSERT_LT(std::abs(t.seconds), 60);
        ASSERT_LT(std::abs(t.milliseconds), 1000);
        ASSERT_TRUE(v >= 0 ? (t.hours >= 0 && t.minutes >= 0 && t.seconds >= 0 &&
                              t.milliseconds >= 0)
                           : (t.hours <= 0 && t.minutes <= 0 && t.seconds <= 0 &&
                              t.milliseconds <= 0));
    }
}

// The time text is the printf rule, cut to its 20 bytes, for any four numbers.
TEST(TimeTextProperties, FormatTimeMatchesThePrintfRuleCutToTwentyBytes)
{
    std::mt19937 random(11);
    const int32_t specials[] = {INT_MIN, -1000, -1, 0, 1, 59, 999, INT_MAX};
    for (int i = 0; i < 20000; i++) {
        int32_t parts[4];
        for (int32_t &p : parts) {
            switch (random() % 3) {
            case 0: p = specials[random() % 8]; break;
            case 1: p = static_cast<int32_t>(random() % 2000) - 1000; break;
            default: p = static_cast<int32_t>(random()); break;
            }
        }
        if (random() % 2)
            parts[0] = 0;
        if (random() % 2)
            parts[1] = 0;
        char expected[64];
        if (parts[0] != 0)
            snprintf(expected, sizeof expected, "%d:%02d:%02d.%03d", parts[0], parts[1],
                     parts[2], parts[3]);
        else if (parts[1] != 0)
            snprintf(expected, sizeof expected, "%d:%02d.%03d", parts[1], parts[2], parts[3]);
        else
            snprintf(expected, sizeof expected, "%d.%03d", parts[2], parts[3]);
        expected[19] = 0;
        char text[20];
        format_time(text, parts[0], parts[1], parts[2], parts[3]);
        ASSERT_STREQ(expected, text);
    }
}
