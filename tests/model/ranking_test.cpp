#include <gtest/gtest.h>
#include <limits.h>
#include <vector>

#include "race_fixture.h"
#include "race_model.h"

using Order = std::vector<int>;
// Laps behind the leader, gap to the leader, laps behind the row ahead, gap to it.
using Gaps = std::vector<int32_t>;

static Gaps gaps_of(const RankingRow &row)
{
    return Gaps{row.laps_behind_leader, row.gap_leader, row.laps_behind_ahead, row.gap_ahead};
}

// Puts a car at `laps` laps with the given race time and last lap, as if it had run them.
static void set_car(TestRace &race, int car, int32_t laps, int32_t time, int32_t last,
                    int32_t best)
{
    CarRecord &c = race.cars[car];
    c.laps = laps;
    c.race_times[laps] = time;
    c.lap_times[laps] = last;
    c.best_lap = best;
}

TEST(RankByLapsThenTime, FirstPassingLeadsAndUnlappedCarsStandInReverseSlotOrder)
{
    TestRace race({0, 1, 2});
    race.pass(1, 4000);
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{2, 3, 1}), race.order());
    // The sentinels of cars without laps never reach the table.
    EXPECT_EQ(4000, race.rows[0].race_time);
    EXPECT_EQ(0, race.rows[1].race_time);
    EXPECT_EQ(0, race.rows[1].last_lap);
    EXPECT_EQ(1, race.rows[0].just_recorded);
}

TEST(RankByLapsThenTime, EqualTimesGoToTheSmallerLastLapThenToTheLaterSlot)
{
    TestRace race({0, 1, 2, 3});
    set_car(race, 0, 10, 300000, 29000, 28000);
    set_car(race, 1, 10, 300000, 28500, 28000);
    set_car(race, 2, 10, 300000, 29000, 28000);
    set_car(race, 3, 10, 299999, 31000, 28000);
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{4, 2, 3, 1}), race.order());
}

TEST(RankByLapsThenTime, MoreLapsRankAheadWhateverTheTime)
{
    TestRace race({0, 1, 2});
    set_car(race, 0, 3, 90000, 30000, 30000);
    set_car(race, 1, 4, 900000, 30000, 30000);
    set_car(race, 2, 1, 999999, 999999, 0);
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{2, 1, 3}), race.order());
}

TEST(RankByLapsThenTime, StaggeredCarsThatCrossedComeBeforeThoseThatDidNot)
{
    TestRace race({0, 1, 2, 3, 4});
    race.start_key = "DEPARTDecale";
    race.pass(3, 9000);
    race.pass(1, 7000);
    race.run_laps(4, 12000, {30000});
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    // Lap done; then crossed, earliest first; then the rest, later slot first.
    EXPECT_EQ((Order{5, 2, 4, 3, 1}), race.order());
    EXPECT_EQ(0, race.rows[1].laps);
    EXPECT_EQ(0, race.rows[1].race_time);
    EXPECT_EQ(7000, race.rows[1].last_lap);
    EXPECT_EQ(0, race.rows[3].last_lap);
}

TEST(RankByLapsThenTime, FirstCarsLapAtRaceTimeZeroStillCountsAsALap)
{
    TestRace race({0, 1});
    race.start_key = "DEPARTPremiereVoiture";
    race.pass(0, 0);
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{1, 2}), race.order());
    EXPECT_EQ(1, race.rows[0].laps);
    EXPECT_EQ(0, race.rows[0].race_time);
}

TEST(RankByBestLap, BestLapBeatsLapsAndOneLapCarsFollowEveryBest)
{
    TestRace race({0, 1, 2, 3, 4});
    set_car(race, 0, 30, 900000, 30000, 30000);
    set_car(race, 1, 1, 40000, 40000, 0);
    set_car(race, 2, 2, 60000, 29000, 29000);
    set_car(race, 3, 1, 35000, 35000, 0);
    set_car(race, 4, 0, 0, 7000, 0);  // crossed the line, no lap yet
    rank_by_best_lap(race.cars.get(), race.rows.get(), race.count);
    // Bests first; one-lap cars by last lap; the car without laps last.
    EXPECT_EQ((Order{3, 1, 4, 2, 5}), race.order());
    EXPECT_EQ(29000, race.rows[0].best_lap);
    EXPECT_EQ(0, race.rows[2].best_lap);
    EXPECT_EQ(35000, race.rows[2].last_lap);
    EXPECT_EQ(35000, race.rows[2].race_time);
    EXPECT_EQ(0, race.rows[4].best_lap);
    EXPECT_EQ(7000, race.rows[4].last_lap);
}

TEST(RankByBestLap, EqualBestsGoToTheSmallerLastLapThenToTheLaterSlot)
{
    TestRace race({0, 1, 2, 3, 4});
    set_car(race, 0, 5, 150000, 31000, 29000);
    set_car(race, 1, 5, 150000, 30000, 29000);
    set_car(race, 2, 5, 150000, 31000, 29000);
    rank_by_best_lap(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{2, 3, 1, 5, 4}), race.order());
}

TEST(RankByBestLap, StaggeredFirstLapIsABestAndUncrossedCarsComeLast)
{
    TestRace race({0, 1, 2});
    race.start_key = "DEPARTDecale";
    race.pass(0, 5000);
    race.run_laps(2, 3000, {31000});
    rank_by_best_lap(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ((Order{3, 1, 2}), race.order());
    EXPECT_EQ(31000, race.rows[0].best_lap);
    EXPECT_EQ(5000, race.rows[1].last_lap);
    EXPECT_EQ(0, race.rows[2].last_lap);
    EXPECT_EQ(0, race.rows[2].best_lap);
}

TEST(Rankings, OnlyTheFirstNRowsAreWrittenAndNOutsideTheTableWritesNothing)
{
    TestRace race({0, 1, 2});
    race.pass(2, 5000);
    std::vector<unsigned char> before = bytes_of(race.rows.get(), GRID_SLOTS);
    for (int32_t n : {0, -1, 21, INT_MIN, INT_MAX}) {
        rank_by_laps_then_time(race.cars.get(), race.rows.get(), n);
        rank_by_best_lap(race.cars.get(), race.rows.get(), n);
        EXPECT_EQ(before, bytes_of(race.rows.get(), GRID_SLOTS)) << n;
    }
    for (int32_t n : {-1, 21, INT_MIN, INT_MAX}) {
        compute_gaps_by_laps_then_time(race.rows.get(), n);
        compute_gaps_by_best_lap(race.rows.get(), n);
        EXPECT_EQ(before, bytes_of(race.rows.get(), GRID_SLOTS)) << n;
    }

    race.rows[2].laps = 77;
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), 2);
    EXPECT_EQ(3, race.rows[0].grid_number);
    EXPECT_EQ(77, race.rows[2].laps);
}

TEST(Rankings, DamagedLapCountsAreReadWithinTheLapArrays)
{
    TestRace race({0, 1, 2, 3});
    race.cars[0].laps = MAX_LAPS;
    race.cars[0].race_times[MAX_LAPS - 1] = 7;
    race.cars[1].laps = INT_MAX;
    race.cars[2].laps = -1;
    race.cars[3].laps = INT_MIN;
    rank_by_laps_then_time(race.cars.get(), race.rows.get(), race.count);
    EXPECT_EQ(2, race.rows[0].grid_number);
    EXPECT_EQ(1, race.rows[1].grid_number);
    EXPECT_EQ(7, race.rows[1].race_time);
    rank_by_best_lap(race.cars.get(), race.rows.get(), race.count);
    EXPECT_NE(0, race.rows[3].grid_number);
}

TEST(GapsByLapsThenTime, SameLapGivesTheTimeBehindAndALapDownGivesLaps)
{
    TestRace race({0, 1, 2, 3, 4});
    set_car(race, 0, 12, 360000, 30000, 29000);
    set_car(race, 1, 12, 361500, 30000, 29000);
    set_car(race, 2, 12, 362500, 30000, 29000);
    set_car(race, 3, 11, 340000, 30000, 29000);
    set_car(race, 4, 10, 330000, 30000, 29000);
    race.refresh(LAPS_THEN_TIME);
    EXPECT_EQ((Gaps{0, 0, 0, 0}), gaps_of(race.rows[0]));
    EXPECT_EQ((Gaps{0, 1500, 0, 1500}), gaps_of(race.rows[1]));
    EXPECT_EQ((Gaps{0, 2500, 0, 1000}), gaps_of(race.rows[2]));
    EXPECT_EQ((Gaps{1, 0, 1, 0}), gaps_of(race.rows[3]));
    EXPECT_EQ((Gaps{2, 0, 1, 0}), gaps_of(race.rows[4]));
}

TEST(GapsByBestLap, CarsWithoutABestLapShowNoGap)
{
    TestRace race({0, 1, 2});
    set_car(race, 0, 5, 150000, 30000, 29000);
    set_car(race, 1, 5, 150000, 30000, 29500);
    set_car(race, 2, 1, 40000, 40000, 0);
    race.refresh(BEST_LAP);
    EXPECT_EQ((Gaps{0, 500, 0, 500}), gaps_of(race.rows[1]));
    EXPECT_EQ((Gaps{0, 0, 0, 0}), gaps_of(race.rows[2]));
}

TEST(Gaps, LoneCarLeadsWithNoGap)
{
    TestRace race({4});
    race.run_laps(4, 3000, {30000, 29000});
    race.refresh(LAPS_THEN_TIME);
    EXPECT_EQ((Gaps{0, 0, 0, 0}), gaps_of(race.rows[0]));

    // Stale gaps left in the leader's row by an earlier ranking are cleared.
    race.rows[0].gap_leader = 1234;
    race.rows[0].laps_behind_ahead = 3;
    race.rows[0].gap_ahead = 5;
    compute_gaps_by_best_lap(race.rows.get(), 1);
    EXPECT_EQ((Gaps{0, 0, 0, 0}), gaps_of(race.rows[0]));
}
