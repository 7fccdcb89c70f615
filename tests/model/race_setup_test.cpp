#include <gtest/gtest.h>
#include <limits.h>
#include <string.h>

#include "race_fixture.h"
#include "race_model.h"

TEST(RaceSetUp, AllEmptyCompositionGivesNoCarsAndAnEmptyBoard)
{
    TestRace race({});
    EXPECT_EQ(0, race.count);
    for (int i = 0; i < GRID_SLOTS; i++) {
        const CarRecord &car = race.cars[i];
        EXPECT_STREQ("(NA)", car.name);
        EXPECT_EQ(i + 1, car.grid_number);
        EXPECT_EQ(1, car.finished);
        EXPECT_EQ(1, car.scan_assigned);
        EXPECT_EQ(NO_TIME, car.best_lap);
        EXPECT_EQ(NO_TIME, car.race_times[0]);
        EXPECT_EQ(NO_TIME, car.race_times[MAX_LAPS - 1]);
        EXPECT_EQ(0, car.lap_times[MAX_LAPS - 1]);

        const RankingRow &row = race.rows[i];
        EXPECT_STREQ("", row.name);
        EXPECT_EQ(0, row.grid_number);
        EXPECT_EQ(1, row.finished);

        const BoardRow &cell = race.board[i];
        EXPECT_STREQ("", cell.name);
        EXPECT_STREQ("", cell.position);
        EXPECT_STREQ("", cell.grid_text);
    }
}

TEST(RaceSetUp, CarsInThirdAndSeventhRowsTakeTheFirstTwoPositions)
{
    TestRace race({2, 6});
    EXPECT_EQ(2, race.count);
    EXPECT_EQ(3, race.rows[0].grid_number);
    EXPECT_EQ(7, race.rows[1].grid_number);
    EXPECT_STREQ("Car2", race.rows[0].name);
    EXPECT_STREQ("100016", race.rows[1].transponder);
    EXPECT_EQ(0, race.rows[0].finished);
    EXPECT_EQ(1, race.rows[2].finished);

    EXPECT_STREQ("1", race.board[0].position);
    EXPECT_STREQ("2", race.board[1].position);
    EXPECT_STREQ("  3  ", race.board[0].grid_text);
    EXPECT_STREQ("  7  ", race.board[1].grid_text);
    EXPECT_STREQ("0", race.board[0].laps_text);
    EXPECT_STREQ("Car6", race.board[1].name);
    EXPECT_STREQ("", race.board[0].race_time_text);
    EXPECT_STREQ("", race.board[2].position);

    for (int i = 0; i < GRID_SLOTS; i++) {
        int is_car = i == 2 || i == 6;
        EXPECT_EQ(!is_car, race.cars[i].finished) << i;
        EXPECT_EQ(!is_car, race.cars[i].scan_assigned) << i;
        EXPECT_EQ(is_car ? 0 : NO_TIME, race.cars[i].best_lap) << i;
        EXPECT_EQ(is_car ? 0 : NO_TIME, race.cars[i].race_times[1]) << i;
    }
}

TEST(RaceSetUp, OnlyTheExactNameNaMarksAnEmptySlot)
{
    TestRace race({});
    race.set_grid_row(0, "(na)", "100001");
    race.set_grid_row(4, "(NA) Jr", "100002");
    race.set_grid_row(9, "(NA)x", "100003");
    race.set_up();
    EXPECT_EQ(3, race.count);
    EXPECT_EQ(0, race.cars[0].finished);
    EXPECT_EQ(0, race.cars[4].finished);
    EXPECT_EQ(5, race.rows[1].grid_number);
    EXPECT_STREQ("(NA)x", race.rows[2].name);
}

TEST(RaceSetUp, NewSetUpForgetsThePreviousRace)
{
    TestRace race({0, 1, 2});
    race.start_key = "DEPARTDecale";
    race.run_laps(0, 10000, {31000, 30000, 29000});
    race.run_laps(1, 12000, {30000, 28000});
    race.refresh(LAPS_THEN_TIME);
    ASSERT_EQ(1, race.cars[0].new_personal_best);
    ASSERT_EQ(1, race.cars[1].holds_race_best);
    for (int i = 0; i < GRID_SLOTS; i++) {
        CarRecord &car = race.cars[i];
        car.since_buzz = car.buzz_reference = car.lap_positions[3] = 400 + i;
        car.finished = car.scan_assigned = 1;
    }

    // The next heat, with the first car only, starts as if nothing had run before.
    race.set_grid_row(1, "(NA)", "100000");
    race.set_grid_row(2, "(NA)", "100000");
    race.set_up();
    TestRace fresh({0});
    EXPECT_EQ(1, race.count);
    EXPECT_TRUE(bytes_of(fresh.cars.get(), GRID_SLOTS) == bytes_of(race.cars.get(), GRID_SLOTS));
    EXPECT_TRUE(bytes_of(fresh.rows.get(), GRID_SLOTS) == bytes_of(race.rows.get(), GRID_SLOTS));
    EXPECT_TRUE(bytes_of(fresh.board.get(), GRID_SLOTS) ==
                bytes_of(race.board.get(), GRID_SLOTS));
}

TEST(RaceSetUp, TextsFillingTheirWholeFieldAreCutNotOverrun)
{
    TestRace race({});
    char long_name[51];
    memset(long_name, 'N', 50);
    long_name[50] = 0;
    race.set_grid_row(3, long_name, "1234567");
    race.set_up();
    EXPECT_EQ(49u, strlen(race.cars[3].name));
    EXPECT_STREQ("1234567", race.cars[3].transponder);
    EXPECT_EQ(49u, strlen(race.rows[0].name));
    // The board's transponder field holds six digits and the NUL.
    EXPECT_STREQ("123456", race.board[0].transponder);
}

TEST(ClearBuffer, ClearsExactlyNBytesAndNothingForNBelowOne)
{
    char buffer[8];
    memset(buffer, 'x', sizeof buffer);
    clear_buffer(buffer, 0);
    clear_buffer(buffer, -1);
    clear_buffer(buffer, INT_MIN);
    EXPECT_EQ(0, memcmp(buffer, "xxxxxxxx", 8));
    clear_buffer(buffer, 3);
    EXPECT_EQ(0, memcmp(buffer, "\0\0\0xxxxx", 8));
}
