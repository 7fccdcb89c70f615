// Properties that hold for every race: random fields, start rules and passings
// from a seeded generator, checked after every passing.
#include <gtest/gtest.h>
#include <algorithm>
#include <limits.h>
#include <random>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
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

void check_laps_then_time(const TestRace &race)
{
    ASSERT_EQ(sorted(car_grid_numbers(race)), sorted(race.order()));
    const RankingRow *rows = race.rows.get();
    for (int r = 1; r < race.count; r++) {
        ASSERT_LE(rows[r].laps, rows[r - 1].laps) << r;
        if (rows[r].laps == rows[r - 1].laps && rows[r].laps > 0) {
            ASSERT_LE(rows[r - 1].race_time, rows[r].race_time) << r;
        }
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
        }
        // Then one-lap cars, then cars without laps.
        if (rows[r].best_lap == 0 && rows[r].laps > 0) {
            ASSERT_GT(rows[r - 1].laps + (rows[r - 1].best_lap != 0), 0) << r;
        }
    }
}

// What the race director should see, kept from the crossings alone: a full lap
// runs between two crossings of the car, whatever the start rules.
struct Expected {
    int64_t last_crossing[GRID_SLOTS] = {};
    int32_t best[GRID_SLOTS] = {};
    int new_best[GRID_SLOTS] = {};
    int32_t race_best = NO_BEST_LAP;
    int holder = -1;
    int passer = -1;

    void crossing(int car, int64_t time)
    {
        int32_t lap = last_crossing[car] ? static_cast<int32_t>(time - last_crossing[car]) : 0;
        last_crossing[car] = time;
        new_best[car] = best[car] != 0 && lap < best[car];
        if (lap != 0 && (best[car] == 0 || lap < best[car]))
            best[car] = lap;
        if (best[car] != 0 && best[car] < race_best) {
            race_best = best[car];
            holder = car;
        }
        passer = car;
    }
};

std::string rule_text(int32_t ms, bool with_minutes = false)
{
    char text[32];
    int32_t h = ms / 3600000, m = ms / 60000 % 60, s = ms / 1000 % 60, x = ms % 1000;
    if (h != 0)
        snprintf(text, sizeof text, "%d:%02d:%02d.%03d", h, m, s, x);
    else if (m != 0 || with_minutes)
        snprintf(text, sizeof text, "%d:%02d.%03d", m, s, x);
    else
        snprintf(text, sizeof text, "%d.%03d", s, x);
    return text;
}

// The gap cell of `car` behind `other` (none for the leader).
std::string gap_text(const CarRecord *other, const CarRecord &car, bool by_best)
{
    if (other == nullptr || (by_best && car.best_lap == 0))
        return "0.000";
    if (by_best)
        return rule_text(car.best_lap - other->best_lap);
    if (other->laps > car.laps)
        return std::to_string(other->laps - car.laps) + "t";
    return rule_text(car.race_times[car.laps] - other->race_times[other->laps]);
}

// Each board row, found by its transponder, shows its car, the gaps to the leader
// and to the row ahead, and the flags of the last passing.
void check_board(const TestRace &race, const Expected &expected, bool by_best)
{
    const CarRecord *leader = nullptr;
    const CarRecord *ahead = nullptr;
    for (int r = 0; r < race.count; r++) {
        const BoardRow &cell = race.board[r];
        int slot = atoi(cell.transponder) - 100010;
        ASSERT_TRUE(slot >= 0 && slot < GRID_SLOTS) << r;
        const CarRecord &car = race.cars[slot];
        ASSERT_EQ(expected.best[slot], car.best_lap) << slot;
        EXPECT_EQ(std::to_string(r + 1), cell.position);
        EXPECT_EQ("  " + std::to_string(slot + 1) + "  ", cell.grid_text);
        EXPECT_EQ(std::to_string(car.laps), cell.laps_text);
        EXPECT_EQ(rule_text(car.race_times[car.laps], true), cell.race_time_text);
        EXPECT_EQ(rule_text(car.lap_times[car.laps]), cell.last_lap_text);
        EXPECT_EQ(rule_text(car.best_lap), cell.best_lap_text);
        EXPECT_EQ(gap_text(leader, car, by_best), cell.gap_leader_text) << r;
        EXPECT_EQ(gap_text(ahead, car, by_best), cell.gap_ahead_text) << r;
        EXPECT_EQ(car.finished, cell.finished) << r;
        EXPECT_EQ(slot == expected.passer, cell.just_recorded) << r;
        EXPECT_EQ(expected.new_best[slot], cell.new_personal_best) << r;
        EXPECT_EQ(slot == expected.holder, cell.holds_race_best) << r;
        leader = leader ? leader : &car;
        ahead = &car;
    }
    ASSERT_EQ(expected.race_best, race.race_best);
}

}  // namespace

TEST(RaceProperties, RankingsBoardsAndBestLapsHoldThroughRandomRaces)
{
    std::mt19937 random(20240611);
    for (int race_number = 0; race_number < 60; race_number++) {
        std::vector<int> slots;
        for (int slot = 0; slot < GRID_SLOTS; slot++)
            if (race_number % 10 == 0 || random() % 3 != 0)
                slots.push_back(slot);
        TestRace race({});
        for (int slot : slots)
            race.set_grid_row(slot, "Pilote", std::to_string(100010 + slot).c_str());
        race.set_up();
        ASSERT_EQ(static_cast<int32_t>(slots.size()), race.count);
        if (slots.empty())
            continue;
        race.start_key = START_KEYS[random() % 3];
        Expected expected;

        int64_t now = 1000;
        for (int passing = 0; passing < 150; passing++) {
            // Often several cars on the line at the same millisecond, never one car twice.
            now += random() % 4 == 0 ? 0 : 1 + static_cast<int64_t>(random() % 20000);
            int car = slots[random() % slots.size()];
            if (race.cars[car].finished)
                continue;
            if (race.cars[car].passage_time == now)
                now++;
            race.pass(car, now);
            expected.crossing(car, now);
            // The finish rules end a car's race now and then.
            race.cars[car].finished = random() % 16 == 0;
            SCOPED_TRACE(testing::Message() << "race " << race_number << " passing " << passing);
            race.refresh(LAPS_THEN_TIME);
            check_laps_then_time(race);
            check_board(race, expected, false);
            race.refresh(BEST_LAP);
            check_best_lap(race);
            check_board(race, expected, true);
            // The engine clears the mark once the board has shown the passing.
            race.cars[car].just_recorded = 0;
            if (testing::Test::HasFailure())
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
