#include <gtest/gtest.h>
#include <limits.h>

#include "race_fixture.h"
#include "race_model.h"

// Common start rules: whatever the keyword, unless it is exactly "DEPARTDecale".
TEST(RecordLap, CommonRulesFirstLapNeverCountsAndFirstFullLapSetsTheBestQuietly)
{
    for (const char *key : {"DEPARTSignalSonore", "DEPARTPremiereVoiture", "departdecale", ""}) {
        TestRace race({0});
        race.start_key = key;
        race.pass(0, 65000);
        const CarRecord &car = race.cars[0];
        EXPECT_EQ(1, car.laps) << key;
        EXPECT_EQ(65000, car.race_times[1]);
        EXPECT_EQ(65000, car.lap_times[1]);
        EXPECT_EQ(0, car.best_lap);
        EXPECT_EQ(0, car.new_personal_best);
        EXPECT_EQ(1, car.just_recorded);

        race.pass(0, 95000);
        EXPECT_EQ(30000, car.best_lap);
        EXPECT_EQ(0, car.new_personal_best);

        race.pass(0, 125000);  // equal to the best: no improvement
        EXPECT_EQ(30000, car.best_lap);
        EXPECT_EQ(0, car.new_personal_best);

        race.pass(0, 154999);
        EXPECT_EQ(29999, car.best_lap);
        EXPECT_EQ(1, car.new_personal_best);

        race.pass(0, 190000);  // the flag speaks of the last passing only
        EXPECT_EQ(29999, car.best_lap);
        EXPECT_EQ(0, car.new_personal_best);
        EXPECT_EQ(5, car.laps);
        EXPECT_EQ(190000, car.race_times[5]);
    }
}

TEST(RecordLap, StaggeredFirstCrossingStartsTheCarsOwnClock)
{
    TestRace race({0, 1});
    race.start_key = "DEPARTDecale";
    race.pass(0, 12500);
    const CarRecord &car = race.cars[0];
    EXPECT_EQ(0, car.laps);
    EXPECT_EQ(12500, car.start_offset);
    EXPECT_EQ(0, car.race_times[0]);
    EXPECT_EQ(12500, car.lap_times[0]);
    EXPECT_EQ(1, car.just_recorded);
    EXPECT_EQ(0, car.best_lap);
    // Only the low 32 bits of a passing time count.
    race.pass(1, (int64_t{1} << 32) + 12500);
    EXPECT_EQ(12500, race.cars[1].start_offset);

    race.pass(0, 42500);
    EXPECT_EQ(1, car.laps);
    EXPECT_EQ(30000, car.race_times[1]);
    EXPECT_EQ(30000, car.best_lap);
    EXPECT_EQ(0, car.new_personal_best);

    race.pass(0, 71500);
    EXPECT_EQ(29000, car.best_lap);
    EXPECT_EQ(1, car.new_personal_best);
    EXPECT_EQ(59000, car.race_times[2]);
}

TEST(RecordLap, StaggeredCrossingAtTimeZeroLeavesTheCarUnstarted)
{
    TestRace race({0});
    race.start_key = "DEPARTDecale";
    race.pass(0, 0);
    EXPECT_EQ(0, race.cars[0].start_offset);
    race.pass(0, 8000);
    EXPECT_EQ(0, race.cars[0].laps);
    EXPECT_EQ(8000, race.cars[0].start_offset);
}

TEST(RecordLap, CarIndexOutsideTheGridChangesNothing)
{
    TestRace race({0, 19});
    race.pass(0, 30000);
    std::vector<unsigned char> before = bytes_of(race.cars.get(), GRID_SLOTS);
    int32_t best = race.race_best;
    for (int32_t car : {-1, 20, INT_MIN, INT_MAX}) {
        record_lap(race.cars.get(), car, "DEPARTSignalSonore");
        record_lap(race.cars.get(), car, "DEPARTDecale");
        update_race_best_lap(&race.race_best, race.cars.get(), car);
    }
    EXPECT_EQ(before, bytes_of(race.cars.get(), GRID_SLOTS));
    EXPECT_EQ(best, race.race_best);
}

TEST(RecordLap, LastLapFillsTheArraysAndACarAt4999LapsTakesNoMore)
{
    TestRace race({19});
    CarRecord &car = race.cars[19];
    car.laps = MAX_LAPS - 2;
    car.best_lap = 30000;
    car.race_times[car.laps] = 9000000;
    race.pass(19, 9029000);
    EXPECT_EQ(MAX_LAPS - 1, car.laps);
    EXPECT_EQ(9029000, car.race_times[MAX_LAPS - 1]);
    EXPECT_EQ(29000, car.lap_times[MAX_LAPS - 1]);

    car.passage_time = 9050000;
    car.lap_candidate = 21000;
    for (const char *key : {"DEPARTSignalSonore", "DEPARTDecale"}) {
        std::vector<unsigned char> before = bytes_of(race.cars.get(), GRID_SLOTS);
        record_lap(race.cars.get(), 19, key);
        EXPECT_EQ(before, bytes_of(race.cars.get(), GRID_SLOTS)) << key;
    }
    // A lap count that no race can reach, from a damaged record.
    for (int32_t laps : {int32_t{MAX_LAPS}, INT_MAX, -1, INT_MIN}) {
        car.laps = laps;
        std::vector<unsigned char> before = bytes_of(race.cars.get(), GRID_SLOTS);
        record_lap(race.cars.get(), 19, "DEPARTDecale");
        EXPECT_EQ(before, bytes_of(race.cars.get(), GRID_SLOTS)) << laps;
    }
}

TEST(RaceBestLap, EqualBestKeepsTheHolderAndABetterOneTakesItAlone)
{
    TestRace race({0, 1, 2});
    race.run_laps(0, 5000, {30000});
    EXPECT_EQ(30000, race.race_best);
    EXPECT_EQ(1, race.cars[0].holds_race_best);

    race.run_laps(1, 6000, {30000});
    EXPECT_EQ(1, race.cars[0].holds_race_best);
    EXPECT_EQ(0, race.cars[1].holds_race_best);

    race.pass(1, 6000 + 30000 + 29999);
    EXPECT_EQ(29999, race.race_best);
    EXPECT_EQ(0, race.cars[0].holds_race_best);
    EXPECT_EQ(1, race.cars[1].holds_race_best);
    int holders = 0;
    for (int i = 0; i < GRID_SLOTS; i++)
        holders += race.cars[i].holds_race_best;
    EXPECT_EQ(1, holders);
}

TEST(RaceBestLap, FirstBestAfterTheStartHoldsWhateverItsValue)
{
    TestRace race({0, 1});
    race.pass(0, 5000);  // one lap, no best lap yet
    EXPECT_EQ(NO_BEST_LAP, race.race_best);
    EXPECT_EQ(0, race.cars[0].holds_race_best);

    race.pass(1, 5000);
    race.pass(1, 5000 + 999000000);
    EXPECT_EQ(999000000, race.race_best);
    EXPECT_EQ(1, race.cars[1].holds_race_best);

    // An empty slot's best (NO_TIME) never takes it.
    update_race_best_lap(&race.race_best, race.cars.get(), 7);
    EXPECT_EQ(1, race.cars[1].holds_race_best);
    EXPECT_EQ(0, race.cars[7].holds_race_best);
}
