// The results copy made ready for the dialog's views: lap times, packing of
// the cars to the front and the largest lap count.
#include <gtest/gtest.h>
#include <limits.h>
#include <memory>
#include <string.h>
#include <vector>

#include "race_model.h"

namespace {

// The 20 records at their exact size on the heap, for the sanitizers.
struct Copy {
    std::unique_ptr<CarRecord[]> cars{new CarRecord[GRID_SLOTS]()};

    Copy()
    {
        for (int i = 0; i < GRID_SLOTS; ++i)
            strcpy(cars[i].name, "(NA)");
    }
    // Lap j at index j - 1, every per-lap array given a trace of the slot.
    void set(int slot, const char *name, const std::vector<int32_t> &times)
    {
        CarRecord *car = &cars[slot];
        strcpy(car->name, name);
        car->laps = static_cast<int32_t>(times.size());
        for (size_t j = 0; j < times.size(); ++j)
            car->race_times[j] = times[j];
        car->lap_positions[0] = 100 + slot;
        car->grid_number = 77;
    }
    std::vector<int32_t> lap_times(int slot, int count) const
    {
        return std::vector<int32_t>(cars[slot].lap_times, cars[slot].lap_times + count);
    }
};

TEST(ResultsCopy, LapTimesAreTheDifferencesOfRaceTimesAndStayWithinAnInt32)
{
    Copy copy;
    copy.set(0, "Alice", {21000, 40500, 61000});
    copy.set(3, "Bruno", {0, 18000});  // first car of a race started on its passing
    copy.set(5, "Hand", {INT_MIN, INT_MAX, INT_MIN, -5});
    copy.cars[7].lap_times[0] = 999;  // a car without laps keeps what it holds
    derive_lap_times(copy.cars.get());
    EXPECT_EQ(copy.lap_times(0, 4), (std::vector<int32_t>{21000, 19500, 20500, 0}));
    EXPECT_EQ(copy.lap_times(3, 2), (std::vector<int32_t>{0, 18000}));
    EXPECT_EQ(copy.lap_times(5, 4),
              (std::vector<int32_t>{INT_MIN, INT_MAX, INT_MIN, INT_MAX - 4}));
    EXPECT_EQ(copy.cars[7].lap_times[0], 999);
}

// Cars on lines 1, 2 and 5 become the first three, numbered by their lines;
// a pilot on two lines is two cars; a name that only begins with "(NA)" or
// differs in case is a car.
TEST(ResultsCopy, PackingMovesTheCarsToTheFrontAndEmptiesTheRest)
{
    Copy copy;
    copy.set(0, "Alice", {20000, 41000});
    copy.set(1, "Alice", {22000});
    copy.set(4, "Chlo\xE9", {19000, 39000, 60000});
    copy.set(11, "(NA) Jr", {});
    copy.set(19, "(na)", {30000});
    copy.cars[4].lap_times[2] = 21000;
    strcpy(copy.cars[4].transponder, "000105");
    // An empty slot's stale laps must not survive at the back.
    copy.cars[6].laps = 9;
    copy.cars[6].race_times[8] = 5;

    ASSERT_EQ(pack_result_cars(copy.cars.get()), 5);
    const char *names[] = {"Alice", "Alice", "Chlo\xE9", "(NA) Jr", "(na)"};
    const int32_t lines[] = {1, 2, 5, 12, 20};
    const int32_t laps[] = {2, 1, 3, 0, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(copy.cars[i].name, names[i]);
        EXPECT_EQ(copy.cars[i].grid_number, lines[i]);
        EXPECT_EQ(copy.cars[i].laps, laps[i]);
    }
    EXPECT_EQ(copy.cars[2].race_times[2], 60000);
    EXPECT_EQ(copy.cars[2].lap_times[2], 21000);
    EXPECT_EQ(copy.cars[2].lap_positions[0], 104);
    EXPECT_EQ(copy.cars[4].lap_positions[0], 119);
    for (int i = 5; i < GRID_SLOTS; ++i) {
        const CarRecord &car = copy.cars[i];
        EXPECT_STREQ(car.name, "(NA)") << i;
        EXPECT_EQ(car.grid_number, 0) << i;
        EXPECT_EQ(car.laps, 0) << i;
        for (int k = 0; k < MAX_LAPS; ++k)
            ASSERT_TRUE(car.race_times[k] == 0 && car.lap_times[k] == 0 &&
                        car.lap_positions[k] == 0) << i << " " << k;
    }
    EXPECT_EQ(largest_lap_count(copy.cars.get()), 3);
    copy.cars[19].laps = 8;
    EXPECT_EQ(largest_lap_count(copy.cars.get()), 8);
}

}  // namespace
